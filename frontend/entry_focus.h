#pragma once

// What a click and a move of the focus do to an entry and a result box,
// alike in every front end, whatever its toolkit calls them.

#include <string_view>

#include "frontend/control_name.h"
#include "frontend/window_layout.h"

namespace quorvel {

// A click or a tap into an entry that holds only its default selects it,
// as Tab does, whether or not the entry had the focus: the first key
// replaces it. Nothing deferred may undo that selection, which a key typed
// at once would meet: it is made instead of the toolkit's caret, not after.
bool ClickSelects(FieldElement entry, std::string_view text);

struct FocusMove {
    bool left_for_handlers = false;  // the entry's leaving handler runs
    bool shows_beginning = false;    // the box shows its text's beginning, nothing selected
};

// The focus has left a control, for another control of the calculator (by
// Tab, a click or a tap, the button included) or not (for a popup, the
// report or another window, or nowhere as the window loses the focus,
// which only borrow it). An entry left for another control is left for the
// handlers, and shows its beginning; so does a result box, whatever was
// selected or scrolled in it.
FocusMove WhenLeft(const layout::Control& from, bool to_control);
// The focus has entered a control, from another control or back from
// elsewhere. Tab would select a result box's whole text and scroll to its
// end: entered from another control, it shows its beginning instead.
FocusMove WhenEntered(const layout::Control& to, bool from_control);

}  // namespace quorvel
