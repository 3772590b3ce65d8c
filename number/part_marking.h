#pragma once

// A value written as parts are marked: a multiplier letter where the decimal
// point goes ("4K7", "R47", "1M5") or after the number ("4.7k", "470R",
// "5m"), then perhaps the unit's word, with or without a blank ("4k7Ohm",
// "2,2 kΩ", "5 mA"). A unit word without a letter counts as the base unit
// ("470 Ohm", "5A"). The number takes "." or "," for its point, never a
// group mark, and no currency.

#include <array>
#include <string_view>

#include "number/strict_reading.h"

namespace quorvel {

enum class Quantity { resistance, current };

struct Multiplier {
    std::string_view letter;
    int steps;  // of 1000 from the base unit: 1 for kilo, -1 for milli
};

// Resistors as IEC 60062 codes them; a lower-case "m" is no resistor's: milli
// and mega differ by 10^9. The current's micro in either Greek letter.
inline constexpr std::array kResistanceLetters{Multiplier{"R", 0}, Multiplier{"r", 0}, Multiplier{"K", 1},
                                               Multiplier{"k", 1}, Multiplier{"M", 2}, Multiplier{"G", 3}};
inline constexpr std::array kCurrentLetters{Multiplier{"u", -2}, Multiplier{"\u00B5", -2}, Multiplier{"\u03BC", -2},
                                            Multiplier{"m", -1}};
inline constexpr std::array<std::string_view, 4> kResistanceWords{"Ohm", "ohm", "\u03A9", "\u2126"};
inline constexpr std::array<std::string_view, 1> kCurrentWords{"A"};

struct MarkingReading {
    detail::StrictReading reading = detail::StrictReading::not_a_number;
    double value = 0;     // the number before its letter; a beginning's as far as it goes
    int steps = 0;        // the letter's, or 0 for a unit word alone
    bool marked = false;  // a letter or a whole unit word was read
};

// The whole text as a marked value of the quantity. A plain number, with no
// letter and no unit word, is not one.
MarkingReading ReadMarking(std::string_view text, Quantity quantity) noexcept;

}  // namespace quorvel
