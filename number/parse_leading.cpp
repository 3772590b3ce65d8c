#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "number/decimal.h"
#include "number/number_scan.h"
#include "number/number_text.h"

namespace quorvel {
namespace {

bool IsDigitInBase(char c, int base) {
    if (base == 8) return c >= '0' && c <= '7';
    return detail::IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "&H" and "&O" numbers: unsigned, saturated at the largest 64-bit value.
double WholeNumber(std::string_view digits, int base) {
    std::size_t end = 0;
    while (end < digits.size() && IsDigitInBase(digits[end], base)) ++end;
    std::uint64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + end, value, base);
    if (result.ec == std::errc::result_out_of_range) value = std::numeric_limits<std::uint64_t>::max();
    return static_cast<double>(value);
}

}  // namespace

double ParseLeading(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    }
    const std::string_view rest(compact);
    if (rest.starts_with('&')) {
        if (rest.starts_with("&H") || rest.starts_with("&h")) return WholeNumber(rest.substr(2), 16);
        if (rest.starts_with("&O") || rest.starts_with("&o")) return WholeNumber(rest.substr(2), 8);
        return 0;
    }

    // The number at the start: its digits up to a second point, the exponent
    // only right after them.
    static constexpr std::array<std::string_view, 1> kPoint{"."};
    const NumberScan scan = ScanNumber(rest, {{}, kPoint, {}, {}, {}});
    const std::string_view whole = scan.Run(0);
    const std::string_view fraction = scan.marks.empty() ? std::string_view() : scan.Run(1);
    if (whole.empty() && fraction.empty()) return 0;
    detail::DecimalText number;
    if (scan.sign == '-') number += '-';
    number += whole;
    if (!scan.marks.empty()) {
        number += '.';
        number += fraction;
    }
    if (scan.marks.size() <= 1 && !scan.exponent.empty()) {
        number += 'e';
        number += scan.exponent;
    }
    return detail::ReadDecimal(number).value;
}

}  // namespace quorvel
