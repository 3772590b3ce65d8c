#pragma once

// What a resistor or current entry holds: the number it counts as, whether
// more keys can still make a number of it, and what it keeps while the user
// types. One reading serves the entry's check, its value and its rewriting,
// and a number reads the same whatever stands around it.
//
// - Blanks before and after, a multiplier letter where the point goes or
//   after the number ("4K7", "2.200k"), a unit word ("5 mA", "2,2 kΩ";
//   unit_marks.h) or the settings' currency symbol, before or after it with
//   or without a blank ("$5", "5,00 RON"), leave the number as it reads alone.
// - The settings' group mark counts only where they put it: between groups
//   of exactly three digits after a first group of one to three that does
//   not start with 0, and never beside an exponent ("1.234.567,5" in
//   Romanian, "12'345" or "12’345" in Swiss German, "2 200" in French).
//   Anywhere else "." or "," is the decimal point, as is the settings' own.
// - A group not yet complete at the end ("1.000.0") is a beginning.

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
