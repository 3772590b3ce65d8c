#pragma once

// Reading of a plain decimal number text, shared by both number readings.

#include <string_view>

namespace quorvel::detail {

struct DecimalReading {
    double value = 0;       // beyond the double range: the largest double of its sign
    bool overflow = false;
};

// Reads a number of the form [-]digits[.digits][e[+|-]digits] with at least
// one mantissa digit. A number too small for a double reads as zero.
DecimalReading ReadDecimal(std::string_view number) noexcept;

inline bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace quorvel::detail
