#include "frontend/entry_paste.h"

namespace quorvel {

std::string PastedText(double number, int steps, Quantity quantity, const NumberLocale& locale) {
    std::string text = NumberToText(number, locale) + std::string(LetterOf(quantity, steps));
    if (quantity == Quantity::current) text += kCurrentWords[0];
    return text;
}

void EnterResistance(Magnitude value, int index, const FieldSet& form, EventDispatcher& events) {
    const InUnit written = ToUnit(value);
    events.Entered(Field::txtRs, index, PastedText(written.number, written.steps, Quantity::resistance, form.Locale()));
}

}  // namespace quorvel
