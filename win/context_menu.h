#pragma once

// The context menu of an entry or a result box, in Romanian like the whole
// window (the EDIT's own follows the language of Windows): the EDIT's edit
// items, then the window's commands that have an item
// (frontend/window_commands.h), each with its keys beside it, then the
// circuit's tolerance as a submenu, the circuit's own checked, and in a
// resistor entry's menu its part picker ("Din culori…"). An edit item goes
// to the box as the EDIT's own menu sends it; the others go to the window
// logic.

#include <windows.h>

#include "frontend/window_logic.h"

namespace quorvel::win {

// The menu as it shows for the box: the caller's to destroy.
HMENU MakeContextMenu(HWND box, const layout::Control& item, const WindowLogic& logic);
// at: WM_CONTEXTMENU's point on the screen; -1 from the keyboard. The
// picker's dialog has the owner as its own.
void ShowContextMenu(HWND box, const layout::Control& item, LPARAM at, HWND owner, WindowLogic& logic);

}  // namespace quorvel::win
