#pragma once

// Doubles read and written where the standard library has no std::from_chars
// or std::to_chars for them, as in WebAssembly builds. fast_float reads by the
// algorithm those from_chars use, and printf writes what to_chars with a
// precision is defined to give; a native test holds both to the library's.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

#include <fast_float/fast_float.h>

#include "number/decimal.h"

namespace quorvel::detail {

// fast_float reads a number beyond the range as infinity, one too small as zero.
inline DecimalReading ReadDecimalFastFloat(std::string_view number) noexcept {
    DecimalReading reading;
    fast_float::from_chars(number.data(), number.data() + number.size(), reading.value);
    if (std::isinf(reading.value)) {
        reading.overflow = true;
        reading.value = std::copysign(std::numeric_limits<double>::max(), reading.value);
    }
    return reading;
}

// Where this is used, the C library knows no decimal point but ".".
inline char* WriteDecimalPrintf(char* first, char* last, double value, std::chars_format format,
                                int precision) noexcept {
    const char* pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    return first + std::snprintf(first, static_cast<std::size_t>(last - first), pattern, precision, value);
}

}  // namespace quorvel::detail
