#pragma once

// What a resistor or current entry holds: the number it counts as, whether
// more keys can still make a number of it, and what it keeps while the user
// types. One reading serves the entry's check, its value and its rewriting.
//
// - A plain number, digits with at most one mark ("." or ","), perhaps a
//   sign and an exponent, takes either mark for its point in every locale;
//   but where its only mark is the locale's group mark before exactly three
//   digits ("1,000" under en_US, "1.000" under ro_RO), it is written as the
//   locale writes a thousand.
// - A part marking ("4K7", "4.7k", "5mA"; calc/part_marking.h) is a plain
//   number with a multiplier letter or a unit word.
// - Anything else reads by the locale's own form, with its group marks and
//   currency symbol, or with "." or "," for the point; a typed apostrophe
//   counts as the locale's ’, a blank or a no-break space as its narrow
//   no-break space.

#include <optional>
#include <string_view>

#include "number/number_text.h"
#include "number/part_marking.h"

namespace quorvel {

enum class EntryReading {
    number,     // a number, by one of the forms above
    beginning,  // on its way to one: more keys typed at its end can make it a number
    too_large,  // a number beyond the double range
    no_number,  // nothing a key more can mend, the empty text included
};

struct EntryText {
    EntryReading reading = EntryReading::no_number;
    bool negative = false;  // less than zero (a negative zero is not)
    // What the entry counts as: its number; a beginning's number as far as it
    // goes; for any other text the number at its start, with either point.
    double value = 0;
    // A multiplier letter or a unit word: the value's unit, in steps of 1000
    // from the base unit. Without one, the value is in its chooser's unit.
    std::optional<int> steps;
    bool plain = false;  // digits and one decimal mark and nothing else: kept as typed
};

EntryText ReadEntry(std::string_view text, const NumberLocale& locale, Quantity quantity);

}  // namespace quorvel
