#pragma once

// The units of the results, and the step between neighbouring units. The
// words are those of the one table of unit words (number/unit_marks.h).

#include <array>
#include <string_view>

#include "number/arithmetic.h"
#include "number/unit_marks.h"

namespace quorvel {

// The factor between neighbouring units, applied one step at a time.
inline constexpr double kUnitStep = 1000;

// The units of the results, one per range: micro, milli, base, kilo, mega.
inline constexpr const UnitLadder& kVoltageUnits = WordsOf(Quantity::voltage).ladder;
inline constexpr const UnitLadder& kPowerUnits = WordsOf(Quantity::power).ladder;

// A value the given steps of 1000 up (or down, for negative steps), one
// checked step at a time.
inline double Rescaled(double value, int steps) {
    for (; steps > 0; --steps) value = Product(value, kUnitStep);
    for (; steps < 0; ++steps) value = Quotient(value, kUnitStep);
    return value;
}

}  // namespace quorvel
