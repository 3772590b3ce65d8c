#pragma once

// What a resistor or current entry holds: the number it counts as, whether
// more keys can still make a number of it, and what it keeps while the user
// types. One reading serves the entry's check, its value and its rewriting,
// and a number reads the same whatever stands around it. The rules, with
// their examples, are written once, in docs/entry-rules.md.

#include <optional>
#include <string_view>

#include "number/number_text.h"
#include "number/unit_marks.h"

namespace quorvel {

enum class EntryReading {
    number,     // a number, by the rules above
    beginning,  // on its way to one: more keys typed at its end can make it a number
    too_large,  // a number beyond the double range
    no_number,  // nothing a key more can mend, the empty text included
};

struct EntryText {
    EntryReading reading = EntryReading::no_number;
    bool negative = false;  // less than zero (a negative zero is not)
    // What the entry counts as: its number; a beginning's number as far as it
    // goes, its group marks dropped; for any other text, the number it holds
    // as far as it reads, or 0.
    double value = 0;
    // A multiplier letter or a unit word: the value's unit, in steps of 1000
    // from the base unit. Without one, the value is in its chooser's unit.
    std::optional<int> steps;
    bool plain = false;  // digits and one "." or "," and nothing else: kept as typed
};

EntryText ReadEntry(std::string_view text, const NumberLocale& locale, Quantity quantity);

// A part of a circuit line, read alike in every locale: "." is its only
// point, and it holds no group mark and no currency.
EntryText ReadPart(std::string_view text, Quantity quantity);

}  // namespace quorvel
