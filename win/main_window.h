#pragma once

// The window frmQuorvel: a fixed client area, no minimize or maximize
// button, centred on its monitor, scaled to the monitor's DPI and scaled
// again when it moves to another; its controls bound to the window logic.

#include <optional>

#include <windows.h>

#include "frontend/circuit_text.h"
#include "frontend/window_logic.h"
#include "win/circuit_drawing.h"
#include "win/control_view.h"
#include "win/regional_settings.h"
#include "win/window_controls.h"

namespace quorvel::win {

class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }
    ControlView& View() { return view_; }
    // The load event, with the circuit given where there is one; then shown.
    void Open(const std::optional<Circuit>& circuit, int show);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void Created(HWND window);
    void FitToDpi(UINT dpi, const RECT* suggested);

    WindowControls controls_;
    CircuitDrawing drawing_{controls_};
    RegionalSettings settings_;
    ControlView view_{controls_, drawing_, settings_};
    WindowLogic logic_{view_};
    HWND window_ = nullptr;
    HWND focused_ = nullptr;  // the control that had the focus when the window lost it
};

}  // namespace quorvel::win
