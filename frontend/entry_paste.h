#pragma once

// A value put into an entry from outside it, as a paste there and a move
// away from it would: the value's number in the settings' form with its
// unit's letter after it, so that the letter picks the chooser's unit and
// the entry, once left, shows the plain number.

#include <string>

#include "calc/standard_values.h"
#include "events/dispatcher.h"
#include "number/number_text.h"
#include "number/unit_marks.h"

namespace quorvel {

// "4,7K", "0,22R", "5mA".
std::string PastedText(double number, int steps, Quantity quantity, const NumberLocale& locale);

// A resistor's value, as read off its bands or its code, into its entry, in
// the unit it reads best in, as a step to a standard value writes it: 4,7
// and "kOhm".
void EnterResistance(Magnitude value, int index, const FieldSet& form, EventDispatcher& events);

}  // namespace quorvel
