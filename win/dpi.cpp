#include "win/dpi.h"

namespace quorvel::win {
namespace {

// Looked up when called: Windows before 10 has neither.
template <class Function>
Function* User32(const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT DpiOf(HWND window) {
    if (const auto dpi_for_window = User32<UINT WINAPI(HWND)>("GetDpiForWindow")) return dpi_for_window(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT WindowRectFor(int client_width, int client_height, DWORD style, DWORD extended, UINT dpi) {
    RECT rect{0, 0, client_width, client_height};
    if (const auto adjust = User32<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi")) {
        adjust(&rect, style, FALSE, extended, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, extended);
    }
    return rect;
}

}  // namespace quorvel::win
