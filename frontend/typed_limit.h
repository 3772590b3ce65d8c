#pragma once

// What an edit of the user's leaves in an entry, as text rules any front end
// applies after it: an entry holds one line, so whatever an edit puts in
// loses its line breaks, as a browser's text input drops them (a
// spreadsheet's cell or a terminal's line ends in one); what is typed is
// held to the entry's limit, the new characters beyond it not taken; a paste
// or a drop is taken whole, and replaces an entry's lone default; what the
// program wrote is never cut.

#include <optional>
#include <string>
#include <string_view>

#include "frontend/control_name.h"

namespace quorvel {

// An entry's text after an edit, with the caret where the edit left it.
// UTF-16, so that a character counts as every toolkit counts it.
struct TypedText {
    std::u16string text;
    int caret = 0;
};

// How the user's edit put its text in.
enum class EntryInput {
    typed,   // keys, or an input method
    pasted,  // a paste or a drop
    other,   // an undo, a cut, a deletion
};

// What the edit from before to edited leaves in the entry: edited itself
// where nothing stands against it; else before with as many of the
// characters the edit put in as the typed limit takes, the caret after
// them; else the pasted text alone (what a paste or a drop put in), in
// place of the default it went beside; or nothing where the edit must be
// refused as a whole.
std::optional<TypedText> EditedEntry(FieldElement entry, std::u16string_view before, TypedText edited,
                                     EntryInput input, std::u16string_view pasted = {});

// What the entry shows after the edit, and whether it was taken: where
// EditedEntry refuses it, the text before it, the caret where the user's
// stood, before what the edit added.
struct EntryAfterEdit {
    TypedText shown;
    bool taken = true;
};
EntryAfterEdit AfterEdit(FieldElement entry, std::u16string_view before, TypedText edited, EntryInput input,
                         std::u16string_view pasted = {});

// The typed limit alone: limit characters at most.
std::optional<TypedText> LimitTyped(std::u16string_view before, TypedText typed, int limit);

}  // namespace quorvel
