#pragma once

// What the window paints itself: the colours of its controls, the frame
// with the circuit's lines and dots on it, the button's grey face, and a
// result box's cut text where the window logic cuts it.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <windows.h>

#include "win/window_controls.h"

namespace quorvel::win {

// A layout's colour, 0xRRGGBB, or a swatch's, "#rrggbb", as GDI takes it.
COLORREF ColourRef(std::uint32_t rgb);
COLORREF ColourRef(std::string_view hex);

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
    // How a result box draws its text: as the EDIT does (cut false), or the
    // cut given, at size times its font's size. The box keeps its whole
    // text, for WM_GETTEXT, selecting and copying.
    void DrawCut(HWND box, bool cut, std::wstring text, double size);

private:
    static LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);
    void PaintFrame(HWND frame, HDC dc);
    void PaintCut(HWND box, HDC dc);

    struct Cut {
        std::wstring text;
        double size = 1;
    };

    const WindowControls& controls_;
    std::map<std::uint32_t, HBRUSH> brushes_;
    std::map<HWND, Cut> cuts_;  // the boxes drawn cut
};

}  // namespace quorvel::win
