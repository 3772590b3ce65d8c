#pragma once

// What a click and a move of the focus do to an entry, alike in every front
// end, whatever its toolkit calls them.

#include <optional>
#include <string_view>

#include "events/dispatcher.h"
#include "frontend/control_name.h"

namespace quorvel {

// A click or a tap into an entry that holds only its default selects it,
// as Tab does, whether or not the entry had the focus: the first key
// replaces it.
bool ClickSelects(FieldElement entry, std::string_view text);

// The focus has moved from the control named from. to_control: to another
// control of the calculator, by Tab, a click or a tap, the button included;
// not to a popup, the report or another window, nor nowhere as the window
// itself loses the focus. An entry left for another control is left for the
// handlers, and returned, for the front end to show its beginning.
std::optional<FieldElement> FocusLeft(EventDispatcher& events, std::string_view from, bool to_control);

}  // namespace quorvel
