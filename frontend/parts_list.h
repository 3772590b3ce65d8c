#pragma once

// The parts behind the circuit, at one tolerance for all: for each resistor
// its value, its colour bands and SMD code, the through-hole rating and the
// chip it needs, and its drop and power with their least and greatest; then
// the totals with theirs, and the current, which is exact. Written as text
// (a line per resistor, "R1" to "R4", then the totals and the note on the
// ratings), as HTML for the clipboard, alike in every front end.

#include <array>
#include <optional>
#include <string>

#include "calc/fields.h"
#include "frontend/colour_code.h"
#include "frontend/part_rating.h"
#include "frontend/smd_code.h"
#include "frontend/tolerance_range.h"

namespace quorvel {

// What the recalculation read and computed, as far as the parts need it.
struct CircuitNumbers {
    std::array<double, kResistorCount> ohms{};  // each resistance in ohms
    double amperes = 0;
    // Each drop in volts and power in watts; none where the recalculation
    // stopped before it, at a result too large to compute.
    std::array<std::optional<double>, kResistorCount> volts{}, watts{};
};

struct ListedPart {
    Magnitude value;  // exactly, as the entry holds it
    Figure shown;     // in the unit it reads best in
    ColourBands bands;
    std::string bands_text, bands_html;
    SmdCode code;
    std::string code_text;
    PartRating rating;
    std::string through_hole_text, chip_text;
    FigureRange resistance;
    Figure drop, power;  // as the window shows them
    FigureRange drop_range, power_range;
};

struct PartsList {
    Tolerance tolerance;
    std::string tolerance_text;  // "±5 %"
    std::array<ListedPart, kResistorCount> parts;
    Figure total_resistance, total_voltage, total_power, current;
    FigureRange total_resistance_range, total_voltage_range, total_power_range;
};

// form: the window's entries and results after the recalculation that
// gave the numbers.
PartsList ListParts(const FieldSet& form, const CircuitNumbers& numbers, Tolerance tolerance);

// A resistor's marking as its tooltip tells it, after the nearest standard
// values, from the value the entry holds exactly (calc/entry_value.h):
// "Benzi la ±5 %: galben violet roșu auriu · cod SMD: 472".
std::string MarkingText(Magnitude value, Tolerance tolerance, const NumberLocale& locale);

// What `quorvel --parts` prints: a line for each resistor, starting "R1"
// to "R4", a line of the totals and the note.
std::string PartsLines(const PartsList& list);
std::string PartsText(const PartsList& list);  // under its heading
std::string PartsHtml(const PartsList& list);

}  // namespace quorvel
