#include <string>

#include "number/decimal.h"
#include "number/number_text.h"
#include "number/strict_reading.h"
#include "number/text_cursor.h"

namespace quorvel {
namespace detail {

// Accepted: blanks around the number; one sign and one currency symbol before
// it, in either order, or the symbol after it; digit groups after any digit of
// the integer part; one decimal separator; an exponent "E", sign and digits.
StrictReading ReadStrict(std::string_view text, const NumberLocale& locale, double& value) noexcept {
    bool ran_out = false;
    TextCursor in(text, ran_out);
    DecimalText number;
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
    // Short of a number: whether a character more could have continued it,
    // and the number as far as it goes.
    const auto short_of_a_number = [&] {
        if (!ran_out) return StrictReading::not_a_number;
        value = has_digits ? ReadDecimal(number).value : 0;
        return StrictReading::beginning;
    };
    if (!has_digits) return short_of_a_number();

    if (in.Peek() == 'E' || in.Peek() == 'e') {
        TextCursor exponent = in;
        exponent.Next();
        DecimalText digits("e");
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
    if (!in.AtEnd()) return short_of_a_number();

    const auto reading = ReadDecimal(number);
    if (reading.overflow) return StrictReading::overflow;
    value = reading.value;
    return StrictReading::number;
}

}  // namespace detail

double ParseStrict(std::string_view text, const NumberLocale& locale) {
    double value = 0;
    switch (detail::ReadStrict(text, locale, value)) {
        case detail::StrictReading::number: return value;
        case detail::StrictReading::overflow: throw OverflowError();
        case detail::StrictReading::beginning:
        case detail::StrictReading::not_a_number: break;
    }
    throw ConversionError();
}

}  // namespace quorvel
