#pragma once

// How a key edits an entry, as toolkits and browsers do, for the tests that
// play keys on the calculator without a window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "frontend/typed_limit.h"
#include "test_support/utf16.h"

namespace quorvel::testing {

// A text cut into the characters a key types: UTF-8 sequences, and any
// other byte alone.
inline std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size(); i += characters.back().size()) {
        characters.emplace_back(text.substr(i, SequenceLength(text, i)));
    }
    return characters;
}

struct Keystroke {
    std::string typed;  // the entry's text as the key left it
    std::string shown;  // and as the program left it after
};

// One entry as the user edits it. The caret counts bytes, so that bytes that
// are no UTF-8 pass unchanged; the limit counts UTF-16 characters.
class TypingEntry {
public:
    TypingEntry(FieldSet& fields, Field entry, int index) : fields_(fields), entry_(entry), index_(index) {}

    void SelectAll() { caret_.reset(); }
    void Home() { caret_ = 0; }

    // Keys typed one at a time where the caret stands, or over the selected
    // text, "\b" for Backspace.
    std::vector<Keystroke> TypeKeys(std::string_view keys) {
        std::vector<Keystroke> keystrokes;
        for (const std::string& key : Characters(keys)) {
            std::string edited = caret_ ? Text() : "";
            caret_ = caret_.value_or(0);
            if (key != "\b") {
                edited.insert(*caret_, key);
                *caret_ += key.size();
            } else if (*caret_ > 0) {
                const std::size_t length = Characters(edited.substr(0, *caret_)).back().size();
                edited.erase(*caret_ -= length, length);
            }
            keystrokes.push_back(Edit(edited, EntryInput::typed));
        }
        return keystrokes;
    }

    void Paste(std::string_view text) {  // the whole text, never cut
        caret_ = text.size();
        Edit(std::string(text), EntryInput::pasted, text);
    }

private:
    std::string Text() const { return fields_.Text(entry_, index_); }

    // The edit held to the limit, a refused one changing nothing; where the
    // program rewrote it, the caret at the end, or its "0" selected.
    Keystroke Edit(const std::string& edited, EntryInput input, std::string_view pasted = {}) {
        const auto caret = static_cast<int>(Utf16(edited.substr(0, *caret_)).size());
        const auto taken = EditedEntry({entry_, index_}, Utf16(Text()), {Utf16(edited), caret}, input, Utf16(pasted));
        const std::optional<std::string> kept =
            !taken ? std::nullopt : taken->text == Utf16(edited) ? std::optional(edited) : Utf8(taken->text);
        if (kept) fields_.SetText(entry_, index_, *kept);
        Keystroke keystroke{kept.value_or(Text()), Text()};
        if (keystroke.shown != edited) caret_ = keystroke.shown.size();
        if (keystroke.shown != edited && keystroke.shown == "0") caret_.reset();
        return keystroke;
    }

    FieldSet& fields_;
    Field entry_;
    int index_;
    std::optional<std::size_t> caret_ = 0;  // none while the whole text is selected
};

}  // namespace quorvel::testing
