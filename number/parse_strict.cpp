#include <array>

#include "number/decimal.h"
#include "number/number_scan.h"
#include "number/number_text.h"

namespace quorvel {

// Accepted: blanks around the number; one sign and one currency symbol before
// it, in either order, or the symbol after it; a group mark after any digit
// before the decimal separator; one decimal separator; an exponent.
double ParseStrict(std::string_view text, const NumberLocale& locale) {
    static constexpr std::array<std::string_view, 2> kBlanks{" ", "\t"};
    const std::string_view point = locale.DecimalPoint();
    const std::string_view group = locale.group_separator == point ? std::string_view() : locale.group_separator;
    const std::array<std::string_view, 2> marks{point, group};
    const NumberScan scan = ScanNumber(text, {kBlanks, marks, locale.currency_symbol, {}, {}});
    if (!scan.Whole() || scan.digits == 0) throw ConversionError();

    detail::DecimalText number;
    if (scan.sign == '-') number += '-';
    bool after_point = false;
    for (std::size_t n = 0; n <= scan.marks.size(); ++n) {
        const std::string_view run = scan.Run(n);
        number += run;
        if (n == scan.marks.size()) break;
        if (scan.Mark(n) == point && !after_point) {
            number += '.';
            after_point = true;
        } else if (after_point || run.empty()) {  // a group mark stands after a digit
            throw ConversionError();
        }
    }
    if (!scan.exponent.empty()) {
        number += 'e';
        number += scan.exponent;
    }
    const detail::DecimalReading reading = detail::ReadDecimal(number);
    if (reading.overflow) throw OverflowError();
    return reading.value;
}

}  // namespace quorvel
