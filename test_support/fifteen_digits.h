#pragma once

// What a number text of 15 significant digits reads back as, computed apart
// from the writer that the tests hold to it.

#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel::testing {

// The value as 15 significant digits show it; where they would lie beyond
// the largest double, the largest 15-digit value below it, as the writer
// keeps.
inline double ToFifteenDigits(double value) {
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    if (std::from_chars(text, end, rounded).ec == std::errc::result_out_of_range) {
        return std::copysign(1.79769313486231e308, value);
    }
    return rounded;
}

}  // namespace quorvel::testing
