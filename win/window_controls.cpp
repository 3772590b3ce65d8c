#include "win/window_controls.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

#include "calc/units.h"
#include "frontend/control_name.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

using layout::Kind;

// Verdana, where Windows has it; elsewhere (Wine) the nearest face there is.
const wchar_t* FaceName() {
    static const wchar_t* const face = [] {
        HDC screen = GetDC(nullptr);
        const wchar_t* found = L"Tahoma";
        for (const wchar_t* candidate : {L"Verdana", L"DejaVu Sans"}) {
            LOGFONTW wanted{};
            wanted.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(wanted.lfFaceName, candidate, LF_FACESIZE - 1);
            const auto exists = [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM) { return 0; };
            if (EnumFontFamiliesExW(screen, &wanted, exists, 0, 0) == 0) {
                found = candidate;
                break;
            }
        }
        ReleaseDC(nullptr, screen);
        return found;
    }();
    return face;
}

struct Class {
    const wchar_t* name;
    DWORD style;
    DWORD extended = 0;
};

DWORD AlignmentOf(layout::Align align, DWORD left, DWORD centre, DWORD right) {
    switch (align) {
        case layout::Align::centre: return centre;
        case layout::Align::right: return right;
        default: return left;
    }
}

Class ClassOf(const layout::Control& control) {
    switch (control.kind) {
        // Transparent, since it lies above the results: they show through it,
        // and take their own clicks.
        case Kind::frame: return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
        case Kind::entry:
            return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | AlignmentOf(control.align, ES_LEFT, ES_CENTER, ES_RIGHT),
                    WS_EX_CLIENTEDGE};
        case Kind::chooser: return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
        // Without a border, and taking the focus, so that its text can be
        // selected and read whole.
        case Kind::result:
            return {L"EDIT", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL |
                                 AlignmentOf(control.align, ES_LEFT, ES_CENTER, ES_RIGHT)};
        case Kind::label: return {L"STATIC", SS_NOPREFIX | AlignmentOf(control.align, SS_LEFT, SS_CENTER, SS_RIGHT)};
        // Owner-drawn, so that its face takes the window's grey.
        case Kind::button: return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW};
        default: return {nullptr, 0};
    }
}

// Frame coordinates become window coordinates by the frame's place.
POINT Origin(const layout::Control& control) {
    if (control.container == layout::Container::frmQuorvel) return {0, 0};
    const layout::Control& frame = *layout::Find("fraSerie");
    return {frame.left, frame.top};
}

}  // namespace

WindowControls::~WindowControls() {
    for (HFONT font : fonts_) DeleteObject(font);
}

void WindowControls::Create(HWND window) {
    window_ = window;
    std::vector<const layout::Control*> order;
    for (const auto& control : layout::kControls) {
        if (control.tab_index >= 0) order.push_back(&control);
    }
    std::sort(order.begin(), order.end(), [](const auto* a, const auto* b) { return a->tab_index < b->tab_index; });
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const layout::Control* control : order) {
        const Class kind = ClassOf(*control);
        HWND made = CreateWindowExW(kind.extended, kind.name, Wide(control->text).c_str(),
                                    WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(*control))), instance,
                                    nullptr);
        if (control->kind == Kind::chooser) {
            for (const ChooserUnit& unit : ListOf(FieldNamed(ControlName(control->name, control->index))->field)) {
                SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(unit.word).c_str()));
            }
        }
        // No limit of the control's own: it would cut a paste.
        if (control->kind == Kind::entry) SendMessageW(made, EM_SETLIMITTEXT, 0, 0);
        made_.push_back({made, control});
    }
}

HFONT MakeFont(layout::Font font, double size, UINT dpi) {
    const layout::Typeface face = layout::TypefaceOf(font);
    const int points = static_cast<int>(face.points * size * 100);
    return CreateFontW(-MulDiv(points, static_cast<int>(dpi), 7200), 0, 0, 0, face.bold ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, FaceName());
}

RECT WindowControls::Place(const layout::Control& control) const {
    const POINT origin = Origin(control);
    const int left = Scale(origin.x + control.left), top = Scale(origin.y + control.top);
    return {left, top, left + Scale(control.width), top + Scale(control.height)};
}

void WindowControls::Place(UINT dpi) {
    dpi_ = dpi;
    for (std::size_t f = 0; f < fonts_.size(); ++f) {
        if (fonts_[f]) DeleteObject(fonts_[f]);
        fonts_[f] = MakeFont(static_cast<layout::Font>(f), 1);
    }
    for (const Made& made : made_) {
        SendMessageW(made.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(made.control->font)), FALSE);
        // An entry's text takes the room of its margins too, up to its
        // frame, as in the Qt window: six digits show whole.
        if (made.control->kind == Kind::entry) SendMessageW(made.window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
        const RECT place = Place(*made.control);
        int height = place.bottom - place.top;
        if (made.control->kind == Kind::chooser) {
            // The field as high as the layout has it, its list below it.
            SendMessageW(made.window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
            height *= 5;
        }
        MoveWindow(made.window, place.left, place.top, place.right - place.left, height, FALSE);
        if (made.control->kind == Kind::label) FitLabel(made.window);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// Where the face differs from the one the layout was drawn with, the
// caption keeps the middle of its place (centred labels) or its left edge,
// and its vertical middle.
void WindowControls::FitLabel(HWND label) const {
    const layout::Control& control = *LayoutOf(label);
    const std::wstring caption = WindowText(label);
    HDC dc = GetDC(label);
    const HGDIOBJ before = SelectObject(dc, FontOf(control.font));
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(label, dc);
    const RECT place = Place(control);
    const int left = control.align == layout::Align::centre ? (place.left + place.right - size.cx) / 2 : place.left;
    MoveWindow(label, left, (place.top + place.bottom - size.cy) / 2, size.cx, size.cy, TRUE);
}

const layout::Control* WindowControls::LayoutOf(HWND control) const {
    for (const Made& made : made_) {
        if (made.window == control) return made.control;
    }
    return nullptr;
}

}  // namespace quorvel::win
