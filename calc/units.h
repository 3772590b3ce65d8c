#pragma once

// The unit words of the calculator, as data: the choosers' lists are the
// inputs' units (number/unit_marks.h); a result's ladder has one word per range.

#include <array>
#include <string_view>

#include "number/arithmetic.h"
#include "number/unit_marks.h"

namespace quorvel {

// The factor between neighbouring units, applied one step at a time.
inline constexpr double kUnitStep = 1000;

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
