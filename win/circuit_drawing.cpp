#include "win/circuit_drawing.h"

#include <charconv>
#include <string>
#include <utility>

#include <commctrl.h>

#include "win/wide_text.h"

namespace quorvel::win {

COLORREF ColourRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

COLORREF ColourRef(std::string_view hex) {
    std::uint32_t rgb = 0;
    if (hex.starts_with('#')) std::from_chars(hex.data() + 1, hex.data() + hex.size(), rgb, 16);
    return ColourRef(rgb);
}

CircuitDrawing::~CircuitDrawing() {
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HBRUSH CircuitDrawing::Brush(std::uint32_t colour) {
    HBRUSH& brush = brushes_[colour];
    if (!brush) brush = CreateSolidBrush(ColourRef(colour));
    return brush;
}

void CircuitDrawing::DrawOnFrame(HWND frame) {
    SetWindowSubclass(frame, &CircuitDrawing::FrameProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// The frame paints all of itself: its grey, the drawing, its etched border.
LRESULT CALLBACK CircuitDrawing::FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                           DWORD_PTR self) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(frame, &paint);
            reinterpret_cast<CircuitDrawing*>(self)->PaintFrame(frame, dc);
            EndPaint(frame, &paint);
            return 0;
        }
        default: return DefSubclassProc(frame, message, wparam, lparam);
    }
}

// Every control standing on the frame shows instead of what lies under it:
// the frame lies above the results, which paint themselves.
void CircuitDrawing::PaintFrame(HWND frame, HDC dc) {
    RECT area;
    GetClientRect(frame, &area);
    for (HWND other = GetWindow(frame, GW_HWNDFIRST); other; other = GetWindow(other, GW_HWNDNEXT)) {
        RECT box;
        if (other == frame || !GetWindowRect(other, &box)) continue;
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&box), 2);
        ExcludeClipRect(dc, box.left, box.top, box.right, box.bottom);
    }
    FillRect(dc, &area, Brush(controls_.LayoutOf(frame)->colour));
    const auto scale = [this](int twips) { return controls_.Scale(twips); };
    for (const auto& item : layout::kControls) {
        if (item.container != layout::Container::fraSerie) continue;
        if (item.kind == layout::Kind::line) {
            HPEN pen = CreatePen(PS_SOLID, MulDiv(item.line_width, static_cast<int>(controls_.Dpi()), 96),
                                 ColourRef(item.colour));
            const HGDIOBJ before = SelectObject(dc, pen);
            MoveToEx(dc, scale(item.left), scale(item.top), nullptr);
            LineTo(dc, scale(item.left + item.width), scale(item.top + item.height));
            SelectObject(dc, before);
            DeleteObject(pen);
        } else if (item.kind == layout::Kind::dot) {
            const HGDIOBJ pen = SelectObject(dc, GetStockObject(NULL_PEN));
            const HGDIOBJ brush = SelectObject(dc, Brush(item.colour));
            // The pen's absence leaves the bottom and right edge undrawn.
            Ellipse(dc, scale(item.left), scale(item.top), scale(item.left + item.width) + 1,
                    scale(item.top + item.height) + 1);
            SelectObject(dc, brush);
            SelectObject(dc, pen);
        }
    }
    DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
}

void CircuitDrawing::CentreText(HWND box) {
    SetWindowSubclass(box, &CircuitDrawing::BoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK CircuitDrawing::BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                         DWORD_PTR self) {
    auto& drawing = *reinterpret_cast<CircuitDrawing*>(self);
    if (message == WM_NCCALCSIZE && wparam) {
        RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0];
        HDC dc = GetDC(box);
        const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, before);
        ReleaseDC(box, dc);
        const int margin = (client.bottom - client.top - metrics.tmHeight) / 2;
        if (margin > 0) InflateRect(&client, 0, -margin);
        return 0;
    }
    if (message == WM_NCPAINT) {
        RECT whole, client;
        GetWindowRect(box, &whole);
        GetClientRect(box, &client);
        MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -whole.left, -whole.top);
        OffsetRect(&whole, -whole.left, -whole.top);
        HDC dc = GetWindowDC(box);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        FillRect(dc, &whole, drawing.Brush(drawing.controls_.LayoutOf(box)->colour));
        ReleaseDC(box, dc);
        return 0;
    }
    if (message == WM_PAINT && drawing.cuts_.contains(box)) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        drawing.PaintCut(box, dc);
        EndPaint(box, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) drawing.cuts_.erase(box);
    return DefSubclassProc(box, message, wparam, lparam);
}

void CircuitDrawing::DrawCut(HWND box, bool cut, std::wstring text, double size) {
    if (cut) {
        cuts_[box] = {std::move(text), size};
    } else if (cuts_.erase(box) == 0) {
        return;
    }
    InvalidateRect(box, nullptr, TRUE);
}

// Within the EDIT's margins, aligned as it aligns its text.
void CircuitDrawing::PaintCut(HWND box, HDC dc) {
    const Cut& cut = cuts_.at(box);
    const layout::Control& item = *controls_.LayoutOf(box);
    RECT area;
    GetClientRect(box, &area);
    FillRect(dc, &area, Brush(item.colour));
    const auto margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
    area.left += LOWORD(margins);
    area.right -= HIWORD(margins);
    const HFONT font = cut.size == 1 ? controls_.FontOf(item.font) : controls_.MakeFont(item.font, cut.size);
    const HGDIOBJ before = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const UINT align = item.align == layout::Align::right ? DT_RIGHT : item.align == layout::Align::centre ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, cut.text.c_str(), static_cast<int>(cut.text.size()), &area,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, before);
    if (cut.size != 1) DeleteObject(font);
}

HBRUSH CircuitDrawing::ColourControl(HWND control, HDC dc) {
    const layout::Control* item = controls_.LayoutOf(control);
    // A label stands on its container's colour, which is the window's.
    const std::uint32_t colour = !item ? layout::kNoColour
                                 : item->kind == layout::Kind::label ? layout::kBackground
                                                                     : item->colour;
    if (colour == layout::kNoColour) return nullptr;
    SetBkColor(dc, ColourRef(colour));
    return Brush(colour);
}

void CircuitDrawing::DrawButton(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    InflateRect(&face, -2, -2);
    FillRect(item.hDC, &face, Brush(controls_.LayoutOf(item.hwndItem)->colour));
    const std::wstring caption = WindowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = face;
    if (pressed) OffsetRect(&text, 1, 1);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(item.hDC, &face);
    }
}

}  // namespace quorvel::win
