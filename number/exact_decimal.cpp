#include "number/exact_decimal.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "number/decimal.h"

namespace quorvel {

ExactDecimal ShortestDecimal(double number) {
    char text[40];  // "d.dddddddddddddddde-308"
    const char* end = text;
    int precision = 14;
    for (; precision <= 16; ++precision) {
        end = detail::WriteDecimal(text, text + sizeof text, number, std::chars_format::scientific, precision);
        if (detail::ReadDecimal({text, static_cast<std::size_t>(end - text)}).value == number) break;
    }
    ExactDecimal exact;
    const char* at = text;
    for (; *at != 'e'; ++at) {
        if (detail::IsDigit(*at)) exact.digits = exact.digits * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    exact.count = std::min(precision, 16) + 1;
    std::from_chars(at + (at[1] == '+' ? 2 : 1), end, exact.decade);
    return exact;
}

double NearestDouble(std::uint64_t digits, int exponent) {
    char text[40];  // 20 digits, "e" and "-2147483648"
    char* end = std::to_chars(text, text + 20, digits).ptr;
    *end = 'e';
    end = std::to_chars(end + 1, text + sizeof text, exponent).ptr;
    return detail::ReadDecimal({text, static_cast<std::size_t>(end - text)}).value;
}

}  // namespace quorvel
