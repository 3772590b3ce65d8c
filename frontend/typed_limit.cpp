#include "frontend/typed_limit.h"

namespace quorvel {

// The edit put its new characters just before the caret. A text the program
// wrote longer than the limit stays, but cannot grow.
std::optional<TypedText> LimitTyped(std::u16string_view before, TypedText typed, int limit) {
    const auto size = static_cast<int>(typed.text.size());
    if (size <= limit || size <= static_cast<int>(before.size())) return typed;
    if (static_cast<int>(before.size()) > limit) return std::nullopt;

    const int after_caret = size - typed.caret;
    const int kept_before_caret = limit - after_caret;
    std::u16string kept = typed.text.substr(0, static_cast<std::size_t>(kept_before_caret)) +
                          typed.text.substr(static_cast<std::size_t>(typed.caret));
    if (kept == before) return std::nullopt;  // nothing new fits: no change at all
    return TypedText{std::move(kept), kept_before_caret};
}

}  // namespace quorvel
