#pragma once

// The words and letters of units: the one table of the unit words the
// calculator shows, and, for each quantity an entry holds, the multiplier
// letters written as parts are marked (IEC 60062 for resistors), the ways its
// base unit is written and the units its chooser offers. Every reading and
// writing of units takes them from here.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quorvel {

// What an entry holds (resistance or current), and what a result is.
enum class Quantity { resistance, current, voltage, power };

// A unit as steps of 1000 from its quantity's base unit: -2 for micro, 1 for
// kilo; and its place on a ladder of words, micro first.
inline constexpr int kMicroSteps = -2;
inline constexpr int kLadderLength = 5;  // micro, milli, base, kilo, mega
constexpr std::size_t Rung(int steps) { return static_cast<std::size_t>(steps - kMicroSteps); }

// Every unit word the calculator shows, one row a quantity: the base unit's,
// then one per step from micro to mega, empty where it has none. The
// choosers' lists, the results' ladders, the worked solution's base units
// and what a screen reader hears of each unit are all made from it.
using UnitLadder = std::array<std::string_view, kLadderLength>;
struct UnitWords {
    Quantity quantity;
    std::string_view base;
    UnitLadder ladder;
};
inline constexpr std::array kUnitWords{
    UnitWords{Quantity::resistance, "Ohm", {"", "", "Ohm", "kOhm", "MOhm"}},
    UnitWords{Quantity::current, "A", {"uA", "mA", "A", "", ""}},
    UnitWords{Quantity::voltage, "V", {"uV", "mV", "V", "kV", "MV"}},
    UnitWords{Quantity::power, "W", {"uW", "mW", "W", "kW", "MW"}},
};

constexpr const UnitWords& WordsOf(Quantity quantity) { return kUnitWords[static_cast<std::size_t>(quantity)]; }
static_assert([] {
    for (std::size_t q = 0; q < kUnitWords.size(); ++q) {
        if (static_cast<std::size_t>(kUnitWords[q].quantity) != q) return false;
    }
    return true;
}(), "kUnitWords lists every quantity in the order of the enum");

constexpr std::string_view BaseWordOf(Quantity quantity) { return WordsOf(quantity).base; }

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

// A chooser offers every unit its quantity has a word for, smallest first.
template <Quantity quantity>
inline constexpr auto kChooserUnits = [] {
    constexpr UnitLadder ladder = WordsOf(quantity).ladder;
    constexpr std::size_t count = [&] {
        std::size_t n = 0;
        for (const std::string_view word : ladder) n += word.empty() ? 0 : 1;
        return n;
    }();
    std::array<ChooserUnit, count> units{};
    std::size_t n = 0;
    for (int steps = kMicroSteps; steps < kMicroSteps + kLadderLength; ++steps) {
        if (!ladder[Rung(steps)].empty()) units[n++] = {ladder[Rung(steps)], steps};
    }
    return units;
}();

// A lower-case "m" is no resistor's: milli and mega differ by 10^9. The
// current's micro in either Greek letter. The first letter of each unit is
// the one a circuit line writes.
inline constexpr std::array kResistanceLetters{Multiplier{"R", 0}, Multiplier{"r", 0}, Multiplier{"K", 1},
                                               Multiplier{"k", 1}, Multiplier{"M", 2}, Multiplier{"G", 3}};
inline constexpr std::array kCurrentLetters{Multiplier{"u", -2}, Multiplier{"\u00B5", -2}, Multiplier{"\u03BC", -2},
                                            Multiplier{"m", -1}};
// The base unit's words an entry reads: its own, and the ways it is also written.
inline constexpr std::array<std::string_view, 4> kResistanceWords{BaseWordOf(Quantity::resistance), "ohm", "\u03A9",
                                                                  "\u2126"};
inline constexpr std::array<std::string_view, 1> kCurrentWords{BaseWordOf(Quantity::current)};
inline constexpr const auto& kResistanceUnits = kChooserUnits<Quantity::resistance>;
inline constexpr const auto& kCurrentUnits = kChooserUnits<Quantity::current>;

struct UnitMarks {
    std::span<const Multiplier> letters;
    std::span<const std::string_view> words;  // the base unit's
    std::span<const ChooserUnit> chooser;     // in the order of its list
};

// An entry's: a resistance's or a current's.
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
