#pragma once

// The parts behind the circuit, at one tolerance for all: for each resistor
// its value, its colour bands and SMD code, the through-hole rating and the
// chip it needs, and its drop and power with their least and greatest; then
// the totals with theirs, and the current, which is exact. Written as text
// (a line per resistor, "R1" to "R4", then the totals and the note on the
// ratings), as HTML for the clipboard, alike in every front end.

#include <array>
#include <string>

#include "calc/fields.h"
#include "frontend/colour_code.h"
#include "frontend/part_rating.h"
#include "frontend/smd_code.h"
#include "frontend/tolerance_range.h"

namespace quorvel {

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

// From the window's inputs, recalculated apart, so that the list has the
// numbers its results come from; the window's own fields are not written.
PartsList ListParts(const FieldSet& form, Tolerance tolerance);

// A resistor's marking as its tooltip tells it, after the nearest standard
// values, from the value the entry holds exactly (calc/entry_value.h):
// "Benzi la ±5 %: galben violet roșu auriu · cod SMD: 472".
std::string MarkingText(Magnitude value, Tolerance tolerance, const NumberLocale& locale);

// Under its heading, a line for each resistor, starting "R1" to "R4", a
// line of the totals and the note: what the clipboard takes as text, and
// what `quorvel --parts` prints.
std::string PartsText(const PartsList& list);
std::string PartsHtml(const PartsList& list);

// The page's section of the parts: a block for each resistor, its bands
// drawn on a small resistor, and one of the totals with the note, each
// written anew as the circuit changes while the choosers beside them stay.
struct PartsSection {
    std::array<std::string, kResistorCount> parts;
    std::string totals;
};
PartsSection PartsSectionOf(const PartsList& list);

}  // namespace quorvel
