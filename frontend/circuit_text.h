#pragma once

// A whole circuit as one short line, for a link or the command line: the
// four resistors and then the current, in the part notation, separated by
// commas: "4K7,2K2,1M,470R,5mA". A resistor's letter stands for its decimal
// point (R, K, M), a current carries its letter (u, m) and "A". Blanks around
// a part are allowed. A part that is a bare number is in Ohm or A; a
// negative one stands for its positive value, as a paste of it does. Any
// number a part holds is read with "." as its point and no group marks, so
// that a line reads alike in every locale.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "events/dispatcher.h"
#include "frontend/control_name.h"

namespace quorvel {

// The entries a circuit line fills, in its order.
inline constexpr std::array kCircuitEntries{FieldElement{Field::txtRs, 0}, FieldElement{Field::txtRs, 1},
                                            FieldElement{Field::txtRs, 2}, FieldElement{Field::txtRs, 3},
                                            FieldElement{Field::txtIst, 0}};

// Why a part does not read whole, as a number of its quantity.
enum class PartFault {
    none,
    no_number,     // no number, nor one with a unit of its quantity
    foreign_unit,  // a number, with letters after it that are no unit of its quantity ("1m" for a resistor)
    too_large,     // beyond what its entry holds, in the unit its letter picks
};

struct CircuitPart {
    std::string given;  // the part as the line gives it, the blanks around it dropped
    // Written again as the line writer writes it, a negative number as its
    // positive value, as a paste of it gives; none where it does not read.
    std::optional<std::string> read;
    PartFault fault = PartFault::none;
    std::string unit;  // foreign_unit: the letters that are no unit of its quantity
};

struct Circuit {
    std::array<CircuitPart, kCircuitEntries.size()> parts;
    // Each part a number.
    bool Whole() const {
        return std::all_of(parts.begin(), parts.end(), [](const CircuitPart& part) { return part.read.has_value(); });
    }
};

// Never fails: none where the line is no circuit, as it has other than
// five parts; else each part, read or with why not.
std::optional<Circuit> ReadCircuit(std::string_view line);

// The circuit the entries and choosers hold, each value as the
// recalculation counts it, in its chooser's unit: as the user typed it
// where it is a plain number.
std::string CircuitLine(const FieldSet& form);

// Each part of the circuit into its entry, as a paste there and leaving it
// would: a letter picks the chooser's unit, and the entry shows the plain
// number. The entries without a part keep their texts.
void EnterCircuit(const Circuit& circuit, const FieldSet& form, EventDispatcher& events);

}  // namespace quorvel
