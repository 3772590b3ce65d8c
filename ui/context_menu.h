#pragma once

#include <QWidget>

#include "frontend/window_logic.h"

namespace quorvel {

// The context menu of every entry and result box: the toolkit's own edit
// items, in Romanian, then the window's commands that have an item
// (frontend/window_commands.h), each with its keys beside it; a choice
// runs the command in the window logic.
void OfferCommands(QWidget& window, WindowLogic& logic);

}  // namespace quorvel
