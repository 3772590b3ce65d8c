#include "calc/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quorvel::detail {
namespace {

// Power of ten of the number's leading non-zero digit, saturated far beyond
// the double range. Only asked for numbers that from_chars found out of
// range, where the sign of this figure tells too large from too small.
long DecimalMagnitude(std::string_view number) {
    constexpr long kFar = 1'000'000;
    std::size_t i = (!number.empty() && number[0] == '-') ? 1 : 0;

    long integer_digits = 0;
    long first_nonzero = kFar;  // index among the mantissa digits
    long digit_index = 0;
    bool in_fraction = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            in_fraction = true;
            continue;
        }
        if (!in_fraction) ++integer_digits;
        if (number[i] != '0' && first_nonzero == kFar) first_nonzero = digit_index;
        ++digit_index;
    }
    integer_digits = std::min(integer_digits, kFar);
    first_nonzero = std::min(first_nonzero, kFar);

    long exponent = 0;
    if (i < number.size()) {
        ++i;  // 'e'
        bool negative = false;
        if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            exponent = std::min(exponent * 10 + (number[i] - '0'), kFar);
        }
        if (negative) exponent = -exponent;
    }
    return integer_digits - 1 - first_nonzero + exponent;
}

}  // namespace

DecimalReading ReadDecimal(std::string_view number) noexcept {
    DecimalReading reading;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto result = std::from_chars(first, last, reading.value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = number[0] == '-';
        if (DecimalMagnitude(number) > 0) {
            reading.overflow = true;
            reading.value = std::numeric_limits<double>::max();
        } else {
            reading.value = 0;
        }
        if (negative) reading.value = -reading.value;
    }
    return reading;
}

}  // namespace quorvel::detail
