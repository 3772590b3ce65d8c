#pragma once

// Where a window goes on the screen: centred, and kept on the work area of
// its monitor, so that on a screen too small for it its title bar stays in
// sight.

#include <windows.h>

namespace quorvel::win {

// The top-left corner of a window of this size, centred over `over` (none:
// the work area itself) on the work area of the monitor `on` is on.
POINT CentredPlace(HWND on, const RECT* over, int width, int height);

}  // namespace quorvel::win
