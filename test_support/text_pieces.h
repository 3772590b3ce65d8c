#pragma once

#include <string>
#include <vector>

namespace quorvel::testing {

// What the random tests make the texts a user might type or paste of: digits, signs, marks, blanks,
// groups' marks, currencies, letters, bytes that are no UTF-8, multiplier letters, units, whole numbers.
inline const std::vector<std::string> kTextPieces = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "-", "+", ".", ",", "E", "e", " ", "\t", "\u202F", "'",
    "\u2019", "$", "\u20AC", "RON", "CHF", "&", "H", "&H", "a", "x", "Z", "\u00E2", "\u0103", "\u00EE", "\xC3",
    "\xFF", "K", "k", "M", "R", "G", "m", "u", "\u00B5", "Ohm", "A", "1E200", "1E300", "9E307", "-3.5", "2,5",
    "1,000", "4K7",
};

}  // namespace quorvel::testing
