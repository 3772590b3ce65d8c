#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "calc/number_text.h"

namespace quorvel {
namespace {

constexpr int kSignificantDigits = 15;
// Fixed notation from 1E-5 up to, not including, 1E15; exponent form outside.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = kSignificantDigits - 1;

// The value rounded to 15 significant digits as std::to_chars writes it,
// "-d.ddddddddddddddde-308", read in place: the digits without the zeros
// that end them, and the power of ten of the first digit.
class RoundedDigits {
public:
    explicit RoundedDigits(double value) {
        end_ = std::to_chars(text_, text_ + sizeof text_, value, std::chars_format::scientific,
                             kSignificantDigits - 1).ptr;
        negative_ = text_[0] == '-';
        first_ = text_ + (negative_ ? 1 : 0);
        const char* e = first_ + 2 + (kSignificantDigits - 1);  // after the first digit, the point and 14 more
        exponent_digits_ = e + 2;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), end_, exponent_);
        count_ = kSignificantDigits;
        while (count_ > 1 && Digit(count_ - 1) == '0') --count_;
    }

    bool negative() const { return negative_; }
    int count() const { return count_; }
    int exponent() const { return exponent_; }
    // The i-th significant digit; the point stands after the first.
    char Digit(int i) const { return first_[i == 0 ? 0 : i + 1]; }
    // Writes digits [from, to) at out and returns the end.
    char* Copy(int from, int to, char* out) const {
        if (from >= to) return out;
        if (from == 0) {
            *out++ = first_[0];
            from = 1;
        }
        std::memcpy(out, first_ + from + 1, static_cast<std::size_t>(to - from));
        return out + (to - from);
    }
    // The exponent's digits as to_chars writes them: at least two.
    const char* exponent_digits() const { return exponent_digits_; }
    const char* end() const { return end_; }

private:
    char text_[32];
    const char* end_;
    const char* first_;
    const char* exponent_digits_;
    bool negative_;
    int count_;
    int exponent_ = 0;
};

}  // namespace

// Written with "." for the separator into a buffer that holds the longest
// text, "-0.0000" and 15 digits or "-d." 14 digits "E-308"; the locale's
// separator goes in when the text leaves it.
std::string NumberToText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) throw OverflowError();
    if (value == 0) return "0";  // negative zero too: it is not less than zero

    const RoundedDigits d(value);
    char text[32];
    char* out = text;
    const char* point = nullptr;
    if (d.negative()) *out++ = '-';
    if (d.exponent() < kSmallestFixedExponent || d.exponent() > kLargestFixedExponent) {
        // Mantissa, "E", the exponent's sign and at least two digits: 1.5E-06.
        out = d.Copy(0, 1, out);
        if (d.count() > 1) {
            point = out;
            *out++ = '.';
            out = d.Copy(1, d.count(), out);
        }
        *out++ = 'E';
        *out++ = d.exponent() < 0 ? '-' : '+';
        const auto digits = static_cast<std::size_t>(d.end() - d.exponent_digits());
        std::memcpy(out, d.exponent_digits(), digits);
        out += digits;
    } else if (d.exponent() < 0) {
        // Plain digits with the point where the exponent puts it: 0.00001, 1002770.
        *out++ = '0';
        point = out;
        *out++ = '.';
        const auto zeros = static_cast<std::size_t>(-d.exponent() - 1);
        std::memset(out, '0', zeros);
        out = d.Copy(0, d.count(), out + zeros);
    } else {
        const int whole = d.exponent() + 1;
        if (d.count() > whole) {
            out = d.Copy(0, whole, out);
            point = out;
            *out++ = '.';
            out = d.Copy(whole, d.count(), out);
        } else {
            out = d.Copy(0, d.count(), out);
            const auto zeros = static_cast<std::size_t>(whole - d.count());
            std::memset(out, '0', zeros);
            out += zeros;
        }
    }

    const std::string& separator = locale.DecimalPoint();
    if (point == nullptr || separator == ".") return std::string(text, out);
    std::string local;
    local.reserve(static_cast<std::size_t>(out - text) - 1 + separator.size());
    const char* begin = text;
    local.append(begin, point).append(separator).append(point + 1, static_cast<const char*>(out));
    return local;
}

std::string NumberToText(std::int16_t whole) {
    char text[8];
    return std::string(text, std::to_chars(text, text + sizeof text, whole).ptr);
}

}  // namespace quorvel
