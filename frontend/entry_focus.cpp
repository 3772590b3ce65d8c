#include "frontend/entry_focus.h"

#include "frontend/window_layout.h"

namespace quorvel {

bool ClickSelects(FieldElement entry, std::string_view text) {
    return text == layout::ControlOf(entry.field, entry.index).text;
}

std::optional<FieldElement> FocusLeft(EventDispatcher& events, std::string_view from, bool to_control) {
    const auto left = FieldNamed(from);
    if (!to_control || !left || KindOf(left->field) != FieldKind::entry) return std::nullopt;
    events.LostFocus(left->field, left->index);
    return left;
}

}  // namespace quorvel
