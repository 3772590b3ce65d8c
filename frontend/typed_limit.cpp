#include "frontend/typed_limit.h"

#include <algorithm>

#include "frontend/window_layout.h"

namespace quorvel {

// The edit is found from the texts before and after it, whatever the caret
// says (a drop leaves its text selected, the caret before it): it replaced
// what lies between their common beginning and their common end. A text the
// program wrote longer than the limit stays, but cannot grow.
std::optional<TypedText> LimitTyped(std::u16string_view before, TypedText typed, int limit) {
    const std::u16string_view after = typed.text;
    if (static_cast<int>(after.size()) <= limit || after.size() <= before.size()) return typed;
    if (static_cast<int>(before.size()) > limit) return std::nullopt;

    const std::size_t shorter = before.size();
    std::size_t beginning = 0;
    while (beginning < shorter && before[beginning] == after[beginning]) ++beginning;
    std::size_t end = 0;
    while (end < shorter - beginning && before[before.size() - 1 - end] == after[after.size() - 1 - end]) ++end;

    const std::size_t room = static_cast<std::size_t>(limit) - beginning - end;
    const std::u16string_view added = after.substr(beginning, std::min(room, after.size() - beginning - end));
    std::u16string kept = std::u16string(before.substr(0, beginning)).append(added).append(before.substr(before.size() - end));
    if (kept == before) return std::nullopt;  // nothing new fits: no change at all
    return TypedText{std::move(kept), static_cast<int>(beginning + added.size())};
}

namespace {

bool IsLineBreak(char16_t c) { return c == u'\n' || c == u'\r'; }

// The text without its line breaks, the caret moved back by those before it.
void DropLineBreaks(TypedText& edited) {
    const auto caret = static_cast<std::size_t>(std::clamp(edited.caret, 0, static_cast<int>(edited.text.size())));
    edited.caret -= static_cast<int>(std::count_if(edited.text.begin(), edited.text.begin() + caret, IsLineBreak));
    std::erase_if(edited.text, IsLineBreak);
}

}  // namespace

// A paste or a drop beside a lone default, wherever it was aimed, means the
// pasted number, as a key typed over the selected default would.
std::optional<TypedText> EditedEntry(FieldElement entry, std::u16string_view before, TypedText edited,
                                     EntryInput input, std::u16string_view pasted_with_breaks) {
    const layout::Control& control = layout::ControlOf(entry.field, entry.index);
    DropLineBreaks(edited);
    std::u16string pasted(pasted_with_breaks);
    std::erase_if(pasted, IsLineBreak);
    if (input == EntryInput::typed && control.max_typed > 0) return LimitTyped(before, std::move(edited), control.max_typed);
    const std::u16string lone(control.text.begin(), control.text.end());
    if (input != EntryInput::pasted || before != lone || pasted.empty()) return edited;
    const std::u16string beside[] = {std::u16string(pasted) + lone, lone + std::u16string(pasted)};
    if (edited.text != beside[0] && edited.text != beside[1]) return edited;
    return TypedText{pasted, static_cast<int>(pasted.size())};
}

EntryAfterEdit AfterEdit(FieldElement entry, std::u16string_view before, TypedText edited, EntryInput input,
                         std::u16string_view pasted) {
    const int added = static_cast<int>(edited.text.size()) - static_cast<int>(before.size());
    const int caret = edited.caret;
    if (auto kept = EditedEntry(entry, before, std::move(edited), input, pasted)) return {std::move(*kept), true};
    return {{std::u16string(before), std::clamp(caret - added, 0, static_cast<int>(before.size()))}, false};
}

}  // namespace quorvel
