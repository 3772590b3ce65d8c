#pragma once

// What the random tests build the texts a user might type or paste from,
// one piece after another.

#include <string>
#include <vector>

namespace quorvel::testing {

inline const std::vector<std::string> kTextPieces = {
    // Digits, signs, marks and blanks, the groups' marks of every settings among them.
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "-", "+", ".", ",", "E", "e", " ", "\t", "\u202F", "'",
    "\u2019",
    // Currencies, and the hexadecimal prefix a piece at a time and whole.
    "$", "\u20AC", "RON", "CHF", "&", "H", "&H",
    // Letters, Romanian ones, and bytes that are no UTF-8 alone.
    "a", "x", "Z", "\u00E2", "\u0103", "\u00EE", "\xC3", "\xFF",
    // Multiplier letters and units.
    "K", "k", "M", "R", "G", "m", "u", "\u00B5", "Ohm", "A",
    // Whole numbers: near the top of the range, negative, with a decimal
    // comma, a thousand as English groups it, a part marking.
    "1E200", "1E300", "9E307", "-3.5", "2,5", "1,000", "4K7",
};

}  // namespace quorvel::testing
