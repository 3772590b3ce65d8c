#include "frontend/entry_focus.h"

namespace quorvel {

bool ClickSelects(FieldElement entry, std::string_view text) {
    return text == layout::ControlOf(entry.field, entry.index).text;
}

FocusMove WhenLeft(const layout::Control& from, bool to_control) {
    const bool entry = from.kind == layout::Kind::entry;
    return {entry && to_control, to_control && (entry || from.kind == layout::Kind::result)};
}

FocusMove WhenEntered(const layout::Control& to, bool from_control) {
    return {false, from_control && to.kind == layout::Kind::result};
}

}  // namespace quorvel
