#include "number/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#if !QUORVEL_FROM_CHARS_DOUBLE || !QUORVEL_TO_CHARS_DOUBLE
#include "number/decimal_fallback.h"
#endif

namespace quorvel::detail {

#if QUORVEL_FROM_CHARS_DOUBLE
namespace {

// Power of ten of the number's leading non-zero digit. Only asked for numbers
// that from_chars found out of range, where the sign of this figure tells too
// large from too small. Digit counts are bounded by the text's length; the
// exponent saturates far beyond any length a text in memory can have, so a
// long run of digits still outweighs a saturated exponent as it should.
long long DecimalMagnitude(std::string_view number) {
    constexpr long long kFarExponent = 100'000'000'000'000'000;  // 1E17: times 10 plus a digit still fits
    std::size_t i = (!number.empty() && number[0] == '-') ? 1 : 0;

    long long integer_digits = 0;
    long long first_nonzero = -1;  // index among the mantissa digits
    long long digit_index = 0;
    bool in_fraction = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            in_fraction = true;
            continue;
        }
        if (!in_fraction) ++integer_digits;
        if (number[i] != '0' && first_nonzero < 0) first_nonzero = digit_index;
        ++digit_index;
    }
    if (first_nonzero < 0) first_nonzero = digit_index;  // all zeros: never out of range

    long long exponent = 0;
    if (i < number.size()) {
        ++i;  // 'e'
        bool negative = false;
        if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            exponent = std::min(exponent * 10 + (number[i] - '0'), kFarExponent);
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
#else
DecimalReading ReadDecimal(std::string_view number) noexcept { return ReadDecimalFastFloat(number); }
#endif

char* WriteDecimal(char* first, char* last, double value, std::chars_format format, int precision) noexcept {
#if QUORVEL_TO_CHARS_DOUBLE
    return std::to_chars(first, last, value, format, precision).ptr;
#else
    return WriteDecimalPrintf(first, last, value, format, precision);
#endif
}

}  // namespace quorvel::detail
