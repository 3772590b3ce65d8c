#pragma once

// The monitor's DPI as Windows 10 gives it for each window, and a window's
// outer size for a client area at a DPI; where those functions are missing
// (Windows 7, 8), the screen's one DPI.

#include <windows.h>

namespace quorvel::win {

UINT DpiOf(HWND window);
RECT WindowRectFor(int client_width, int client_height, DWORD style, DWORD extended, UINT dpi);

}  // namespace quorvel::win
