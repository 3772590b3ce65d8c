#pragma once

#include "frontend/window_logic.h"
#include "ui/widget_view.h"

namespace quorvel {

// The context menu of every entry and result box: the toolkit's own edit
// items, in Romanian, then the window's commands that have an item
// (frontend/window_commands.h), each with its keys beside it, the
// circuit's tolerance, and in a resistor's entry its part picker; a choice
// goes to the window logic.
void OfferCommands(const WidgetView& view, WindowLogic& logic);

}  // namespace quorvel
