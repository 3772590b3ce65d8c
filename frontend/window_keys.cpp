#include "frontend/window_keys.h"

namespace quorvel {

std::int16_t HandlerShift(int modifiers) {
    return static_cast<std::int16_t>(modifiers & (kShiftMask | kCtrlMask | kAltMask));
}

// A toolkit may give Esc no character of its own (a browser names the key
// only): it types character 27 all the same.
KeyMeaning MeaningOf(const KeyEvent& key, const layout::Control* target) {
    static constexpr char16_t kEscapeTyped[] = {kEscape, 0};
    KeyMeaning meaning;
    if (key.popup_open) return meaning;
    if (const auto command = CommandOfKeys({key.code, key.modifiers})) {
        meaning.kind = KeyMeaning::Kind::command;
        meaning.command = *command;
        return meaning;
    }
    if (!target) return meaning;
    const bool arrow = key.code == kKeyUp || key.code == kKeyDown;
    if (arrow && !key.composing && !(key.modifiers & kMetaMask) && target->name == NameOf(Field::txtRs)) {
        meaning.kind = KeyMeaning::Kind::step;
        meaning.up = key.code == kKeyUp;
        return meaning;
    }
    meaning.typed = key.typed.empty() && key.code == kKeyEscape ? std::u16string_view(kEscapeTyped) : key.typed;
    if (!meaning.typed.empty()) meaning.kind = KeyMeaning::Kind::typed;
    return meaning;
}

}  // namespace quorvel
