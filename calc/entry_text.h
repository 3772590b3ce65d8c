#pragma once

// What a resistor or current entry holds: what it takes as a number, what it
// keeps while the user is still typing one, and the value it counts as.
// A reader takes "2,2" and "2.2" alike for two point two, whatever the
// regional settings say, and so does the entry.

#include <string_view>

#include "calc/number_text.h"

namespace quorvel {

enum class EntryReading {
    number,     // a number in the settings' own form, or with "." or "," for its point
    beginning,  // on its way to one: more keys typed at its end can make it a number
    too_large,  // a number beyond the double range
    no_number,  // nothing a key more can mend, the empty text included
};

struct EntryText {
    EntryReading reading = EntryReading::no_number;
    bool negative = false;  // less than zero (a negative zero is not)
};

EntryText ReadEntry(std::string_view text, const NumberLocale& locale);

// The value of an entry: ParseLeading after "," and the locale's decimal
// separator have become ".", so that "2,5" counts as 2.5 in every locale.
double EntryValue(std::string_view text, const NumberLocale& locale);

}  // namespace quorvel
