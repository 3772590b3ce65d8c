#pragma once

// The unit words of the calculator. A chooser's list is data: each unit with
// the steps of 1000 it stands from the base unit, which is the default.

#include <array>
#include <cstdlib>
#include <span>
#include <string_view>

#include "calc/arithmetic.h"
#include "calc/fields.h"
#include "calc/part_marking.h"

namespace quorvel {

// The factor between neighbouring units, applied one step at a time.
inline constexpr double kUnitStep = 1000;

struct ChooserUnit {
    std::string_view word;
    int steps;  // of 1000 from the base unit: 1 for kilo, -1 for milli
};

inline constexpr std::array kResistanceUnits{ChooserUnit{"Ohm", 0}, ChooserUnit{"kOhm", 1}, ChooserUnit{"MOhm", 2}};
inline constexpr std::array kCurrentUnits{ChooserUnit{"uA", -2}, ChooserUnit{"mA", -1}, ChooserUnit{"A", 0}};

// The fixed list of a chooser: cboRs or cboIst.
constexpr std::span<const ChooserUnit> ListOf(Field chooser) {
    if (chooser == Field::cboIst) return kCurrentUnits;
    return kResistanceUnits;
}

// The quantity an entry holds, and the chooser of its unit.
constexpr Quantity QuantityOf(Field entry) { return entry == Field::txtIst ? Quantity::current : Quantity::resistance; }
constexpr Field ChooserOf(Field entry) { return entry == Field::txtIst ? Field::cboIst : Field::cboRs; }

// The steps of a chooser's word; a word not on its list, the empty one
// included, is the base unit.
constexpr int StepsOf(Field chooser, std::string_view word) {
    for (const ChooserUnit& unit : ListOf(chooser)) {
        if (unit.word == word) return unit.steps;
    }
    return 0;
}

// The item of a chooser's list for a multiplier: its own unit, or where the
// list lacks it the nearest it has (a G on a resistor: MOhm).
constexpr int NearestItem(Field chooser, int steps) {
    const auto units = ListOf(chooser);
    std::size_t nearest = 0;
    for (std::size_t item = 1; item < units.size(); ++item) {
        if (std::abs(units[item].steps - steps) < std::abs(units[nearest].steps - steps)) nearest = item;
    }
    return static_cast<int>(nearest);
}

// A value the given steps of 1000 up (or down, for negative steps), one
// checked step at a time.
inline double Rescaled(double value, int steps) {
    for (; steps > 0; --steps) value = Product(value, kUnitStep);
    for (; steps < 0; ++steps) value = Quotient(value, kUnitStep);
    return value;
}

// The item start-up and the clear button pick: the base unit.
constexpr int DefaultItemOf(Field chooser) {
    const auto units = ListOf(chooser);
    for (std::size_t item = 0; item < units.size(); ++item) {
        if (units[item].steps == 0) return static_cast<int>(item);
    }
    return 0;
}

// The units of the results, one per range: micro, milli, base, kilo, mega.
using UnitLadder = std::array<std::string_view, 5>;
inline constexpr UnitLadder kVoltageUnits{"uV", "mV", "V", "kV", "MV"};
inline constexpr UnitLadder kPowerUnits{"uW", "mW", "W", "kW", "MW"};

}  // namespace quorvel
