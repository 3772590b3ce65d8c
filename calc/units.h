#pragma once

// The unit words of the calculator, as data. A chooser's list holds each unit
// with the steps of 1000 it stands from the base unit; a result's ladder,
// one word per range.

#include <array>
#include <string_view>

#include "number/arithmetic.h"

namespace quorvel {

// The factor between neighbouring units, applied one step at a time.
inline constexpr double kUnitStep = 1000;

struct ChooserUnit {
    std::string_view word;
    int steps;  // of 1000 from the base unit: 1 for kilo, -1 for milli
};

inline constexpr std::array kResistanceUnits{ChooserUnit{"Ohm", 0}, ChooserUnit{"kOhm", 1}, ChooserUnit{"MOhm", 2}};
inline constexpr std::array kCurrentUnits{ChooserUnit{"uA", -2}, ChooserUnit{"mA", -1}, ChooserUnit{"A", 0}};

// The units of the results, one per range: micro, milli, base, kilo, mega.
using UnitLadder = std::array<std::string_view, 5>;
inline constexpr UnitLadder kVoltageUnits{"uV", "mV", "V", "kV", "MV"};
inline constexpr UnitLadder kPowerUnits{"uW", "mW", "W", "kW", "MW"};

// A value the given steps of 1000 up (or down, for negative steps), one
// checked step at a time.
inline double Rescaled(double value, int steps) {
    for (; steps > 0; --steps) value = Product(value, kUnitStep);
    for (; steps < 0; ++steps) value = Quotient(value, kUnitStep);
    return value;
}

}  // namespace quorvel
