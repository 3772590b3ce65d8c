#pragma once

// What the window paints itself: the colours of its controls, the frame
// with the circuit's lines and dots on it, and the button's grey face.

#include <cstdint>
#include <map>

#include <windows.h>

#include "win/window_controls.h"

namespace quorvel::win {

class CircuitDrawing {
public:
    explicit CircuitDrawing(const WindowControls& controls) : controls_(controls) {}
    CircuitDrawing(const CircuitDrawing&) = delete;
    CircuitDrawing& operator=(const CircuitDrawing&) = delete;
    ~CircuitDrawing();

    // The frame draws the circuit on its surface, beneath every box.
    void DrawOnFrame(HWND frame);
    // WM_CTLCOLOR*: the brush of the control's background, or nullptr
    // where the layout leaves it to Windows.
    HBRUSH ColourControl(HWND control, HDC dc);
    HBRUSH Brush(std::uint32_t colour);
    void DrawButton(const DRAWITEMSTRUCT& item);
    // A borderless box shows its one line in its middle, as a box with a
    // border does; the margins take its colour.
    void CentreText(HWND box);

private:
    static LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);
    void PaintFrame(HWND frame, HDC dc);

    const WindowControls& controls_;
    std::map<std::uint32_t, HBRUSH> brushes_;
};

}  // namespace quorvel::win
