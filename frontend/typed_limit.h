#pragma once

// The limit on what the user may type or paste into a resistor entry, as
// text rules any front end applies after an edit: the new characters beyond
// the limit are not taken, and what the program wrote is never cut.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// An entry's text after an edit, with the caret where the edit left it.
// UTF-16, so that a character counts as every toolkit counts it.
struct TypedText {
    std::u16string text;
    int caret = 0;
};

// What the edit from before to typed leaves in an entry that takes at most
// limit characters from the user: typed itself where it fits or shrinks,
// else before with as many of the characters the edit put in as fit, the
// caret after them, or nothing where the edit must be refused as a whole.
std::optional<TypedText> LimitTyped(std::u16string_view before, TypedText typed, int limit);

}  // namespace quorvel
