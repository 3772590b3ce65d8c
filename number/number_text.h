#pragma once

// How field texts become numbers and numbers become texts.

#include <cstdint>
#include <string>
#include <string_view>

#include "number/runtime_error.h"

namespace quorvel {

// The user's regional settings, as far as number texts need them.
// An empty group separator or currency symbol stands for none; an empty
// decimal separator for ".".
struct NumberLocale {
    std::string decimal_separator = ".";
    std::string group_separator = ",";
    std::string currency_symbol = "$";

    bool operator==(const NumberLocale&) const = default;

    const std::string& DecimalPoint() const {
        static const std::string point = ".";
        return decimal_separator.empty() ? point : decimal_separator;
    }
};

// The number at the start of a text, with "." as the only decimal point.
// Blanks, tabs and line feeds are dropped wherever they stand; "&H" and "&O"
// start hexadecimal and octal whole numbers. Never fails: no leading number
// reads as 0, one beyond the double range as the largest double of its sign.
double ParseLeading(std::string_view text);

// The whole text as one number in the user's regional settings.
// Throws ConversionError for a text that is no number and OverflowError for
// one beyond the double range.
double ParseStrict(std::string_view text, const NumberLocale& locale);

// 15 significant digits, as short as possible, with the locale's decimal
// separator; exponent form below 1E-5 and from 1E15 on.
std::string NumberToText(double value, const NumberLocale& locale);
std::string NumberToText(std::int16_t whole);

// Rounds to the given count of decimal places, half to even on exact halves.
// Throws InvalidArgumentError for a negative count.
double RoundPlaces(double value, int places);

}  // namespace quorvel
