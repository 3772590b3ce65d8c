#pragma once

// The window's controls, made from the layout table in Windows' own
// classes, each a direct child of the window, created in tab order (which
// Tab follows), and found by any tool through its control ID. Twips are
// scaled by the monitor's DPI.

#include <array>
#include <vector>

#include <windows.h>

#include "calc/fields.h"
#include "frontend/window_layout.h"

namespace quorvel::win {

// 1000 + the control's tab index, labels and the frame included.
constexpr int ControlId(const layout::Control& control) { return 1000 + control.tab_index; }

// The window's font at size times its own, at the DPI given: the caller's
// to delete. Its face is the nearest there is to the layout's.
HFONT MakeFont(layout::Font font, double size, UINT dpi);

class WindowControls {
public:
    WindowControls() = default;
    WindowControls(const WindowControls&) = delete;
    WindowControls& operator=(const WindowControls&) = delete;
    ~WindowControls();

    void Create(HWND window);
    // Places and sizes every control, and makes its font, at the DPI given.
    void Place(UINT dpi);
    // A label is as large as its caption: after the caption changed.
    void FitLabel(HWND label) const;

    int Scale(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }
    UINT Dpi() const { return dpi_; }
    HWND Of(const layout::Control& control) const { return GetDlgItem(window_, ControlId(control)); }
    // The layout's row for a control of the window, or nullptr.
    const layout::Control* LayoutOf(HWND control) const;
    HFONT FontOf(layout::Font font) const { return fonts_[static_cast<std::size_t>(font)]; }
    // The font at size times its own, for a cut result drawn smaller: the
    // caller's to delete.
    HFONT MakeFont(layout::Font font, double size) const { return win::MakeFont(font, size, dpi_); }

private:
    struct Made {
        HWND window;
        const layout::Control* control;
    };

    RECT Place(const layout::Control& control) const;

    HWND window_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<Made> made_;
    std::array<HFONT, 3> fonts_{};
};

}  // namespace quorvel::win
