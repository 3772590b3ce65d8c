#pragma once

// The letters and words that mark a value's unit, one table for each
// quantity an entry holds: the multiplier letters written as parts are
// marked (IEC 60062 for resistors), the base unit's own words, and the units
// a chooser offers. Every reading and writing of units takes them from here.

#include <array>
#include <span>
#include <string_view>

namespace quorvel {

enum class Quantity { resistance, current };

// A letter and the unit it stands for, in steps of 1000 from the base unit:
// 1 for kilo, -1 for milli.
struct Multiplier {
    std::string_view letter;
    int steps;
};

struct ChooserUnit {
    std::string_view word;
    int steps;
};

// A lower-case "m" is no resistor's: milli and mega differ by 10^9. The
// current's micro in either Greek letter. The first letter of each unit is
// the one a circuit line writes.
inline constexpr std::array kResistanceLetters{Multiplier{"R", 0}, Multiplier{"r", 0}, Multiplier{"K", 1},
                                               Multiplier{"k", 1}, Multiplier{"M", 2}, Multiplier{"G", 3}};
inline constexpr std::array kCurrentLetters{Multiplier{"u", -2}, Multiplier{"\u00B5", -2}, Multiplier{"\u03BC", -2},
                                            Multiplier{"m", -1}};
inline constexpr std::array<std::string_view, 4> kResistanceWords{"Ohm", "ohm", "\u03A9", "\u2126"};
inline constexpr std::array<std::string_view, 1> kCurrentWords{"A"};
inline constexpr std::array kResistanceUnits{ChooserUnit{"Ohm", 0}, ChooserUnit{"kOhm", 1}, ChooserUnit{"MOhm", 2}};
inline constexpr std::array kCurrentUnits{ChooserUnit{"uA", -2}, ChooserUnit{"mA", -1}, ChooserUnit{"A", 0}};

struct UnitMarks {
    std::span<const Multiplier> letters;
    std::span<const std::string_view> words;  // the base unit's
    std::span<const ChooserUnit> chooser;     // in the order of its list
};

constexpr UnitMarks MarksOf(Quantity quantity) {
    if (quantity == Quantity::current) return {kCurrentLetters, kCurrentWords, kCurrentUnits};
    return {kResistanceLetters, kResistanceWords, kResistanceUnits};
}

// The letter a circuit line writes for a unit; none where the quantity has none.
constexpr std::string_view LetterOf(Quantity quantity, int steps) {
    for (const Multiplier& multiplier : MarksOf(quantity).letters) {
        if (multiplier.steps == steps) return multiplier.letter;
    }
    return {};
}

}  // namespace quorvel
