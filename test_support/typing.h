#pragma once

// How a key edits an entry, as toolkits and browsers do, for tests that
// play keys on the calculator without a window: the caret, a selected text
// the next key replaces, the typed limit, and the caret the program's own
// writes leave.

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
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) length = 1;
        }
        characters.emplace_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

struct Keystroke {
    std::string typed;  // the entry's text as the key left it
    std::string shown;  // and as the program left it after
};

// One entry of a field set as the user edits it. The caret counts bytes of
// the UTF-8 text, so that bytes that are no UTF-8 pass through unchanged;
// the limit counts UTF-16 characters, as toolkits and browsers do.
class TypingEntry {
public:
    TypingEntry(FieldSet& fields, Field entry, int index, int limit = 0)
        : fields_(fields), entry_(entry), index_(index), limit_(limit) {}

    void SelectAll() { caret_.reset(); }
    void Home() { caret_ = 0; }

    // Keys typed one at a time where the caret stands, "\b" for Backspace;
    // a key replaces the selected text.
    std::vector<Keystroke> TypeKeys(std::string_view keys) {
        std::vector<Keystroke> keystrokes;
        for (const std::string& key : Characters(keys)) {
            std::string edited = caret_ ? Text() : std::string();
            std::size_t caret = caret_.value_or(0);
            if (key != "\b") {
                edited.insert(caret, key);
                caret += key.size();
            } else if (caret > 0) {
                const std::size_t length = Characters(std::string_view(edited).substr(0, caret)).back().size();
                caret -= length;
                edited.erase(caret, length);
            }
            caret_ = caret;
            keystrokes.push_back(Edit(edited, limit_));
        }
        return keystrokes;
    }

    // The whole text replaced at once: a paste, which no limit cuts.
    void Paste(std::string_view text) {
        caret_ = text.size();
        Edit(std::string(text), 0);
    }

private:
    std::string Text() const { return fields_.Text(entry_, index_); }

    // The edit held to the limit (a refused one changes nothing), then the
    // program's reply: where it rewrote the text, the caret goes to the end,
    // or its "0" in place of what was no number stands selected.
    Keystroke Edit(const std::string& edited, int limit) {
        std::optional<std::string> kept = edited;
        if (limit > 0) {
            const std::u16string text = Utf16(edited);
            const int caret = static_cast<int>(Utf16(std::string_view(edited).substr(0, *caret_)).size());
            const auto cut = LimitTyped(Utf16(Text()), {text, caret}, limit);
            kept = !cut ? std::nullopt : cut->text == text ? kept : Utf8(cut->text);
        }
        if (kept) fields_.SetText(entry_, index_, *kept);
        Keystroke keystroke{kept.value_or(Text()), Text()};
        if (keystroke.shown != edited) {
            caret_ = keystroke.shown == "0" ? std::nullopt : std::optional<std::size_t>(keystroke.shown.size());
        }
        return keystroke;
    }

    FieldSet& fields_;
    Field entry_;
    int index_;
    int limit_;
    std::optional<std::size_t> caret_ = 0;  // none while the whole text is selected
};

}  // namespace quorvel::testing
