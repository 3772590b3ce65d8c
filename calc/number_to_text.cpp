#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "calc/number_text.h"

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
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                    kSignificantDigits - 1).ptr;
    char* e = std::find(text, end, 'e');
    Digits d;
    d.negative = text[0] == '-';
    for (const char* c = text + (d.negative ? 1 : 0); c != e; ++c) {
        if (*c != '.') d.digits[d.count++] = *c;
    }
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, d.exponent);

    // Near the largest double, rounding to 15 digits can go past it, and such
    // a text would not read back: keep the largest 15 digits that do.
    constexpr std::string_view kLargest = "179769313486231";
    if (d.exponent == 308 && std::string_view(d.digits, kSignificantDigits) > kLargest) {
        std::copy(kLargest.begin(), kLargest.end(), d.digits);
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// Mantissa, "E", the exponent's sign and at least two digits: 1.5E-06.
void AppendExponentForm(const Digits& d, const std::string& point, std::string& out) {
    out.push_back(d.digits[0]);
    if (d.count > 1) {
        out += point;
        out.append(d.digits + 1, d.digits + d.count);
    }
    char exponent[8];
    char* end = std::to_chars(exponent, exponent + sizeof exponent, std::abs(d.exponent)).ptr;
    out += d.exponent < 0 ? "E-" : "E+";
    if (end - exponent < 2) out.push_back('0');
    out.append(exponent, end);
}

// Plain digits with the point where the exponent puts it: 0.00001, 1002770.
void AppendFixedForm(const Digits& d, const std::string& point, std::string& out) {
    if (d.exponent < 0) {
        out += '0';
        out += point;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digits, d.digits + d.count);
        return;
    }
    const int whole = d.exponent + 1;
    out.append(d.digits, d.digits + std::min(whole, d.count));
    if (d.count > whole) {
        out += point;
        out.append(d.digits + whole, d.digits + d.count);
    } else {
        out.append(static_cast<std::size_t>(whole - d.count), '0');
    }
}

}  // namespace

std::string NumberToText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) throw OverflowError();
    if (value == 0) return "0";  // negative zero too: it is not less than zero

    const Digits d = RoundedDigits(value);
    std::string text;
    if (d.negative) text += '-';
    if (d.exponent < kSmallestFixedExponent || d.exponent > kLargestFixedExponent) {
        AppendExponentForm(d, locale.DecimalPoint(), text);
    } else {
        AppendFixedForm(d, locale.DecimalPoint(), text);
    }
    return text;
}

std::string NumberToText(std::int16_t whole) {
    char text[8];
    return std::string(text, std::to_chars(text, text + sizeof text, whole).ptr);
}

}  // namespace quorvel
