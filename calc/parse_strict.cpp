#include <string>

#include "calc/decimal.h"
#include "calc/number_text.h"

namespace quorvel {
namespace {

using detail::IsDigit;

enum class Reading { number, not_a_number, overflow };

class Cursor {
public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }
    char Peek() const { return rest_.empty() ? '\0' : rest_.front(); }
    void Next() { rest_.remove_prefix(1); }
    bool StartsWith(std::string_view token) const { return !token.empty() && rest_.starts_with(token); }
    // An empty token never matches: a locale without a symbol has none to take.
    bool Take(std::string_view token) {
        if (!StartsWith(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    void SkipBlanks() {
        while (Peek() == ' ' || Peek() == '\t') Next();
    }

private:
    std::string_view rest_;
};

// Accepted: blanks around the number; one sign and one currency symbol before
// it, in either order, or the symbol after it; digit groups after any digit of
// the integer part; one decimal separator; an exponent "E", sign and digits.
Reading ReadStrict(std::string_view text, const NumberLocale& locale, double& value) {
    Cursor in(text);
    detail::DecimalText number;
    bool has_sign = false;
    bool has_currency = false;

    in.SkipBlanks();
    for (;;) {
        if (!has_sign && (in.Peek() == '+' || in.Peek() == '-')) {
            if (in.Peek() == '-') number += '-';
            in.Next();
            has_sign = true;
        } else if (!has_currency && in.Take(locale.currency_symbol)) {
            in.SkipBlanks();
            has_currency = true;
        } else {
            break;
        }
    }

    bool has_digits = false;
    bool after_digit = false;
    for (;;) {
        if (IsDigit(in.Peek())) {
            number += in.Peek();
            in.Next();
            has_digits = after_digit = true;
        } else if (after_digit && !in.StartsWith(locale.DecimalPoint()) &&
                   in.Take(locale.group_separator)) {
            after_digit = false;
        } else {
            break;
        }
    }
    if (in.Take(locale.DecimalPoint())) {
        number += '.';
        while (IsDigit(in.Peek())) {
            number += in.Peek();
            in.Next();
            has_digits = true;
        }
    }
    if (!has_digits) return Reading::not_a_number;

    if (in.Peek() == 'E' || in.Peek() == 'e') {
        Cursor exponent = in;
        exponent.Next();
        detail::DecimalText digits("e");
        if (exponent.Peek() == '+' || exponent.Peek() == '-') {
            digits += exponent.Peek();
            exponent.Next();
        }
        if (IsDigit(exponent.Peek())) {
            while (IsDigit(exponent.Peek())) {
                digits += exponent.Peek();
                exponent.Next();
            }
            number += digits;
            in = exponent;
        }
    }

    in.SkipBlanks();
    if (!has_currency && in.Take(locale.currency_symbol)) in.SkipBlanks();
    if (!in.AtEnd()) return Reading::not_a_number;

    const auto reading = detail::ReadDecimal(number);
    value = reading.value;
    return reading.overflow ? Reading::overflow : Reading::number;
}

}  // namespace

double ParseStrict(std::string_view text, const NumberLocale& locale) {
    double value = 0;
    switch (ReadStrict(text, locale, value)) {
        case Reading::number: return value;
        case Reading::overflow: throw OverflowError();
        case Reading::not_a_number: break;
    }
    throw ConversionError();
}

bool IsNumericText(std::string_view text, const NumberLocale& locale) noexcept {
    double value = 0;
    return ReadStrict(text, locale, value) == Reading::number;
}

}  // namespace quorvel
