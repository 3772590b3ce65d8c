#include "frontend/entry_paste.h"

#include <cmath>
#include <cstdlib>

#include "number/exact_decimal.h"

namespace quorvel {

std::string PastedText(double number, int steps, Quantity quantity, const NumberLocale& locale) {
    std::string text = NumberToText(number, locale) + std::string(LetterOf(quantity, steps));
    if (quantity == Quantity::current) text += kCurrentWords[0];
    return text;
}

// The number engine's shortest decimal, in exponent form: "1,1728386499999999E+3".
std::string ExactPastedText(double number, const NumberLocale& locale) {
    if (number == 0) return "0";
    std::string text = number < 0 ? "-" : "";
    const ExactDecimal exact = ShortestDecimal(std::fabs(number));
    std::string digits = std::to_string(exact.digits);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += locale.DecimalPoint() + digits.substr(1);
    return text + (exact.decade < 0 ? "E-" : "E+") + std::to_string(std::abs(exact.decade));
}

void EnterResistance(Magnitude value, int index, const FieldSet& form, EventDispatcher& events) {
    const InUnit written = ToUnit(value);
    events.Entered(Field::txtRs, index, PastedText(written.number, written.steps, Quantity::resistance, form.Locale()));
}

}  // namespace quorvel
