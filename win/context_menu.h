#pragma once

// The context menu of an entry or a result box, in Romanian like the whole
// window (the EDIT's own follows the language of Windows): the EDIT's edit
// items, then the window's commands that have an item
// (frontend/window_commands.h), each with its keys beside it. An edit item
// goes to the box as the EDIT's own menu sends it; a command runs in the
// window logic.

#include <windows.h>

#include "frontend/window_logic.h"

namespace quorvel::win {

// at: WM_CONTEXTMENU's point on the screen; -1 from the keyboard.
void ShowContextMenu(HWND box, LPARAM at, HWND owner, WindowLogic& logic);

}  // namespace quorvel::win
