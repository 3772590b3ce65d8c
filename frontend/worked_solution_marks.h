#pragma once

// The rules of the worked solution's marks, each in one place: "=" or "≈"
// between a result and what its box shows, what a box's 0 hides, and why a
// check's sum is written apart from its total. Numbers count as they are
// written, to 15 significant digits, and are compared exactly, in decimal.

#include <array>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "calc/recalculate.h"

namespace quorvel {

// Whether the box shows the result rounded ("≈") rather than the same digits
// in another unit ("="): its number and unit word, in the settings' form.
bool ShownRounded(double result, Field box, std::string_view number, std::string_view unit,
                  const NumberLocale& locale);

// Where the box shows 0 for a result that is not 0: the least it shows
// other than 0 halved, with its unit ("0,0005 uW"). Empty elsewhere.
std::string ZeroShownBelow(double result, Field box, std::string_view number, const NumberLocale& locale);

// Why a check's sum, as written, is not its total.
enum class SumApart {
    no,                // they are written alike
    total_resistance,  // the exact sums differ: the total resistance is rounded to 15 digits
    written_terms,     // the exact sums are equal; the terms as written, rounded to 15 digits, are not
    binary,            // the terms as written add up to the total; their sum in binary does not
};
// The terms (drops or powers) and their sum as the check adds them, the
// total they must make, and the recalculation they come from.
SumApart WhySumApart(const std::array<double, kResistorCount>& terms, double sum, double total,
                     const Recalculation& seen);

}  // namespace quorvel
