#include <charconv>
#include <cmath>
#include <string_view>

#include "number/decimal.h"
#include "number/number_text.h"

namespace quorvel {

// Rounds the exact binary value in decimal, so that only exact halves are
// ties (and go to even), and a value with no digit at that place comes back
// as it was.
double RoundPlaces(double value, int places) {
    if (places < 0) throw InvalidArgumentError();
    // A double has no binary digit below 2^-1074, nor a decimal one below 10^-1074.
    constexpr int kDeepestPlace = 1074;
    if (places >= kDeepestPlace || !std::isfinite(value)) return value;

    // Largest double: 309 integer digits; then the point and the places.
    char text[2 + 309 + 1 + kDeepestPlace];
    const char* end = detail::WriteDecimal(text, text + sizeof text, value, std::chars_format::fixed, places);
    return detail::ReadDecimal(std::string_view(text, static_cast<std::size_t>(end - text))).value;
}

}  // namespace quorvel
