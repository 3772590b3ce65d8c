#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "number/decimal.h"
#include "number/number_text.h"

namespace quorvel {
namespace {

constexpr int kSignificantDigits = 15;
// Fixed notation from 1E-5 up to, not including, 1E15; exponent form outside.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = kSignificantDigits - 1;

// The digits of a value rounded to 15 significant digits, without the zeros
// that end them, and the power of ten of the first digit.
struct Digits {
    bool negative = false;
    char digits[kSignificantDigits] = {};
    int count = 0;
    int exponent = 0;
};

Digits RoundedDigits(double value) {
    char text[32];  // "-d.ddddddddddddddde-308"
    char* end = detail::WriteDecimal(text, text + sizeof text, value, std::chars_format::scientific,
                                     kSignificantDigits - 1);
    Digits d;
    d.negative = text[0] == '-';
    const char* first = text + (d.negative ? 1 : 0);  // "d.dddddddddddddd"
    d.digits[0] = first[0];
    std::memcpy(d.digits + 1, first + 2, kSignificantDigits - 1);
    const char* e = first + 1 + kSignificantDigits;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, d.exponent);

    // Near the largest double, rounding to 15 digits can go past it, and such
    // a text would not read back: keep the largest 15 digits that do.
    constexpr std::string_view kLargest = "179769313486231";
    if (d.exponent == 308 && std::string_view(d.digits, kSignificantDigits) > kLargest) {
        std::copy(kLargest.begin(), kLargest.end(), d.digits);
    }
    d.count = kSignificantDigits;
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// A number text laid out in place, with "." for the decimal point until it
// leaves as a string in the locale's form.
class Layout {
public:
    void Add(char c) { *end_++ = c; }
    void Add(const char* first, int count) {
        std::memcpy(end_, first, static_cast<std::size_t>(count));
        end_ += count;
    }
    void AddZeros(int count) {
        std::memset(end_, '0', static_cast<std::size_t>(count));
        end_ += count;
    }
    void AddPoint() {
        point_ = end_;
        Add('.');
    }
    std::string Text(const std::string& point) const {
        const std::string_view laid_out(text_, static_cast<std::size_t>(end_ - text_));
        if (point_ == nullptr || point == ".") return std::string(laid_out);
        const auto at = static_cast<std::size_t>(point_ - text_);
        return std::string(laid_out.substr(0, at)).append(point).append(laid_out.substr(at + 1));
    }

private:
    char text_[32];  // the longest: "-0.0000" and 15 digits, or "-d." 14 digits "E-308"
    char* end_ = text_;
    const char* point_ = nullptr;
};

// Mantissa, "E", the exponent's sign and at least two digits: 1.5E-06.
void LayOutExponentForm(const Digits& d, Layout& out) {
    out.Add(d.digits[0]);
    if (d.count > 1) {
        out.AddPoint();
        out.Add(d.digits + 1, d.count - 1);
    }
    out.Add('E');
    out.Add(d.exponent < 0 ? '-' : '+');
    char exponent[4];
    const char* end = std::to_chars(exponent, exponent + sizeof exponent, std::abs(d.exponent)).ptr;
    if (end - exponent < 2) out.Add('0');
    out.Add(exponent, static_cast<int>(end - exponent));
}

// Plain digits with the point where the exponent puts it: 0.00001, 1002770.
void LayOutFixedForm(const Digits& d, Layout& out) {
    if (d.exponent < 0) {
        out.Add('0');
        out.AddPoint();
        out.AddZeros(-d.exponent - 1);
        out.Add(d.digits, d.count);
        return;
    }
    const int whole = d.exponent + 1;
    out.Add(d.digits, std::min(whole, d.count));
    if (d.count > whole) {
        out.AddPoint();
        out.Add(d.digits + whole, d.count - whole);
    } else {
        out.AddZeros(whole - d.count);
    }
}

}  // namespace

std::string NumberToText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) throw OverflowError();
    if (value == 0) return "0";  // negative zero too: it is not less than zero

    const Digits d = RoundedDigits(value);
    Layout text;
    if (d.negative) text.Add('-');
    if (d.exponent < kSmallestFixedExponent || d.exponent > kLargestFixedExponent) {
        LayOutExponentForm(d, text);
    } else {
        LayOutFixedForm(d, text);
    }
    return text.Text(locale.DecimalPoint());
}

std::string NumberToText(std::int16_t whole) {
    char text[8];
    return std::string(text, std::to_chars(text, text + sizeof text, whole).ptr);
}

}  // namespace quorvel
