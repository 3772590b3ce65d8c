#include "win/part_picker_dialog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "frontend/resistor_drawing.h"
#include "frontend/texts.h"
#include "win/circuit_drawing.h"
#include "win/dpi.h"
#include "win/screen_reader.h"
#include "win/wide_text.h"
#include "win/window_controls.h"
#include "win/window_place.h"

namespace quorvel::win {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kMaxBands = 5;

// In pixels at 96 dpi, scaled to the monitor's. The rows on the left: the
// count, then each band; on the right the part, its code and its value.
struct Box {
    int left, top, width, height;
};
constexpr int kMargin = 12, kRowStep = 30, kFieldHeight = 24;
constexpr Box kRowLabel{kMargin, 0, 76, kFieldHeight};
constexpr Box kChooser{92, 0, 176, kFieldHeight};
constexpr Box kPicture{288, kMargin, 240, 64};  // twice the picture's own size
constexpr Box kCodeLabel{288, 88, 76, kFieldHeight};
constexpr Box kCode{368, 88, 160, kFieldHeight};
constexpr Box kReadLabel{288, 124, 240, 16};
constexpr Box kRead{288, 144, 240, 64};  // four lines: a code refused says why
constexpr Box kOk{348, 222, 86, 28};
constexpr Box kCancel{442, 222, 86, 28};
constexpr int kDialogWidth = 540, kDialogHeight = 262;
constexpr int kSwatchWidth = 24, kSwatchGap = 6;

constexpr Box InRow(Box place, int row) {
    return {place.left, kMargin + row * kRowStep, place.width, place.height};
}

struct Piece {
    int id;  // -1: a label
    const wchar_t* class_name;
    DWORD style;
    Box place;
    std::string text = {};
    DWORD extended = 0;
};

// In tab order, each label just before the control it names, as a screen
// reader takes a control's name.
std::vector<Piece> Pieces() {
    constexpr DWORD kChooserStyle = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    constexpr DWORD kLabel = SS_NOPREFIX | SS_LEFT;
    std::vector<Piece> pieces{
        {-1, L"STATIC", kLabel | SS_CENTERIMAGE, InRow(kRowLabel, 0), std::string(texts::kBandCount)},
        {kPickerCountId, L"COMBOBOX", kChooserStyle, InRow(kChooser, 0)},
    };
    for (int band = 0; band < kMaxBands; ++band) {
        pieces.push_back({-1, L"STATIC", kLabel | SS_CENTERIMAGE, InRow(kRowLabel, band + 1),
                          texts::Filled(texts::kBand, std::to_string(band + 1))});
        pieces.push_back({kPickerBandId + band, L"COMBOBOX", kChooserStyle | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                          InRow(kChooser, band + 1)});
    }
    pieces.insert(pieces.end(), {
        {kPickerPictureId, L"STATIC", SS_OWNERDRAW, kPicture},
        {-1, L"STATIC", kLabel | SS_CENTERIMAGE, kCodeLabel, std::string(texts::kSmdCode)},
        {kPickerCodeId, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, kCode, {}, WS_EX_CLIENTEDGE},
        {-1, L"STATIC", kLabel, kReadLabel, std::string(texts::kPickedValue)},
        {kPickerReadId, L"STATIC", kLabel, kRead},
        {IDOK, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, kOk, std::string(texts::kReportButton)},
        {IDCANCEL, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kCancel, std::string(texts::kCancel)},
    });
    return pieces;
}

// A dialog with no controls of its own; its title is set once it is made.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE header{kDialogStyle, 0, 0, 0, 0, 0, 0};
    WORD menu = 0, window_class = 0, title = 0;
};

class PickerDialog {
public:
    PickerDialog(int resistor, WindowLogic& logic) : resistor_(resistor), logic_(logic) {}
    PickerDialog(const PickerDialog&) = delete;
    PickerDialog& operator=(const PickerDialog&) = delete;
    ~PickerDialog() { DeleteObject(font_); }

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

private:
    INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void Created();
    void Place(UINT dpi);
    void Show(const PickerState& state);
    void Command(int id, WORD notification);
    void DrawBandItem(const DRAWITEMSTRUCT& item) const;
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    int Scale(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI); }
    int ItemHeight() const { return Scale(kFieldHeight) - 6; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    int resistor_;
    WindowLogic& logic_;
    HWND dialog_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    ScreenReader reader_;
    std::vector<std::pair<HWND, Box>> made_;
    std::array<std::vector<Colour>, kMaxBands> listed_;  // what each band's chooser lists now
    const PickerState* state_ = nullptr;
};

INT_PTR CALLBACK PickerDialog::Proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        auto* self = reinterpret_cast<PickerDialog*>(lparam);
        self->dialog_ = dialog;
        self->Created();
        return FALSE;  // the focus is given
    }
    auto* self = reinterpret_cast<PickerDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->Handle(message, wparam, lparam) : FALSE;
}

INT_PTR PickerDialog::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: Command(LOWORD(wparam), HIWORD(wparam)); return TRUE;
        case WM_MEASUREITEM: reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight = ItemHeight(); return TRUE;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            if (item.CtlID == kPickerPictureId) DrawPicture(item);
            else DrawBandItem(item);
            return TRUE;
        }
        case WM_DPICHANGED: {
            Place(HIWORD(wparam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
            SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return TRUE;
        }
        default: return FALSE;
    }
}

// Centred over the window, and on its monitor's work area.
void PickerDialog::Created() {
    SetWindowTextW(dialog_, Wide(texts::Filled(texts::kPickerTitle, std::to_string(resistor_ + 1))).c_str());
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog_, GWLP_HINSTANCE));
    dpi_ = DpiOf(dialog_);  // for the choosers' items, measured as they are made
    for (const Piece& piece : Pieces()) {
        HWND made = CreateWindowExW(piece.extended, piece.class_name, Wide(piece.text).c_str(),
                                    WS_CHILD | WS_VISIBLE | piece.style, 0, 0, 0, 0, dialog_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(piece.id)), instance, nullptr);
        made_.emplace_back(made, piece.place);
    }
    for (const int count : kBandCounts) {
        SendMessageW(Item(kPickerCountId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(BandCountText(count)).c_str()));
    }
    Place(dpi_);
    reader_.Describe(Item(IDOK), texts::Filled(texts::kPutInto, std::to_string(resistor_ + 1)));
    HWND owner = GetWindow(dialog_, GW_OWNER);
    RECT over, dialog;
    GetWindowRect(owner, &over);
    GetWindowRect(dialog_, &dialog);
    const POINT place = CentredPlace(owner, &over, dialog.right - dialog.left, dialog.bottom - dialog.top);
    SetWindowPos(dialog_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Show(logic_.PickerOpened(resistor_));
    SetFocus(Item(kPickerCountId));
}

void PickerDialog::Place(UINT dpi) {
    dpi_ = dpi;
    const HFONT before = std::exchange(font_, MakeFont(layout::Font::window, 1, dpi));
    for (const auto& [window, place] : made_) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        int height = Scale(place.height);
        if (GetDlgCtrlID(window) >= kPickerCountId && GetDlgCtrlID(window) < kPickerBandId + kMaxBands) {
            // The field as high as its row, its list below it, each colour in sight.
            SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
            SendMessageW(window, CB_SETITEMHEIGHT, 0, ItemHeight());
            height += ItemHeight() * static_cast<int>(kColourCode.size() + 1);
        }
        MoveWindow(window, Scale(place.left), Scale(place.top), Scale(place.width), height, FALSE);
    }
    DeleteObject(before);
    const RECT outer = WindowRectFor(Scale(kDialogWidth), Scale(kDialogHeight), kDialogStyle,
                                     static_cast<DWORD>(GetWindowLongW(dialog_, GWL_EXSTYLE)), dpi);
    SetWindowPos(dialog_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(dialog_, nullptr, TRUE);
}

// Each chooser refilled only when its colours change, so that a list the
// user has dropped stays as it is.
void PickerDialog::Show(const PickerState& state) {
    state_ = &state;
    const auto select = [](HWND chooser, int item) {
        if (SendMessageW(chooser, CB_GETCURSEL, 0, 0) != item) {
            SendMessageW(chooser, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        }
    };
    select(Item(kPickerCountId), BandCountItem(state.count));
    for (int band = 0; band < kMaxBands; ++band) {
        HWND chooser = Item(kPickerBandId + band);
        const bool shown = static_cast<std::size_t>(band) < state.bands.size();
        ShowWindow(GetWindow(chooser, GW_HWNDPREV), shown ? SW_SHOWNA : SW_HIDE);  // its label
        ShowWindow(chooser, shown ? SW_SHOWNA : SW_HIDE);
        if (!shown) continue;
        const PickerBand& picked = state.bands[static_cast<std::size_t>(band)];
        if (std::exchange(listed_[static_cast<std::size_t>(band)], picked.offered) != picked.offered) {
            SendMessageW(chooser, CB_RESETCONTENT, 0, 0);
            SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(texts::kNoColour).c_str()));
            SendMessageW(chooser, CB_SETITEMDATA, 0, static_cast<LPARAM>(-1));
            for (const Colour colour : picked.offered) {
                const auto item = SendMessageW(chooser, CB_ADDSTRING, 0,
                                               reinterpret_cast<LPARAM>(Wide(CodeOf(colour).name).c_str()));
                SendMessageW(chooser, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(colour));
            }
        }
        select(chooser, picked.picked + 1);  // after "—"
    }
    SetWindowTextW(Item(kPickerReadId), Wide(state.read).c_str());
    InvalidateRect(Item(kPickerPictureId), nullptr, FALSE);
    reader_.Name(Item(kPickerPictureId), ResistorNames(state.drawn));
    EnableWindow(Item(IDOK), state.value.has_value());
}

void PickerDialog::Command(int id, WORD notification) {
    HWND control = Item(id);
    const auto picked = [control] { return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)); };
    if (id == kPickerCountId && notification == CBN_SELCHANGE && picked() >= 0) {
        Show(logic_.PickerCount(resistor_, kBandCounts[static_cast<std::size_t>(picked())]));
    } else if (id >= kPickerBandId && id < kPickerBandId + kMaxBands && notification == CBN_SELCHANGE) {
        Show(logic_.PickerPicked(resistor_, id - kPickerBandId, picked() - 1));
    } else if (id == kPickerCodeId && notification == EN_CHANGE) {
        Show(logic_.PickerCode(resistor_, Utf8(WindowText(control))));
    } else if (id == IDOK && state_ && state_->value) {  // Enter presses OK, enabled or not
        logic_.PickerTaken(resistor_);
        EndDialog(dialog_, IDOK);
    } else if (id == IDCANCEL) {  // Esc, "Renunță" and the close box
        EndDialog(dialog_, IDCANCEL);
    }
}

// A swatch of the colour, framed so that white shows on white, and its name
// beside it; "—" where no colour is picked.
void PickerDialog::DrawBandItem(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    HDC dc = item.hDC;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT swatch = item.rcItem;
    swatch.left += Scale(3);
    swatch.right = swatch.left + Scale(kSwatchWidth);
    InflateRect(&swatch, 0, -Scale(2));
    if (const auto colour = static_cast<LONG_PTR>(item.itemData); colour >= 0) {
        HBRUSH fill = CreateSolidBrush(ColourRef(kColourCode[static_cast<std::size_t>(colour)].swatch));
        FillRect(dc, &swatch, fill);
        DeleteObject(fill);
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    std::wstring name(static_cast<std::size_t>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0)) + 1, L'\0');
    name.resize(static_cast<std::size_t>(
        SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name.data()))));
    RECT text = item.rcItem;
    text.left = swatch.right + Scale(kSwatchGap);
    const HGDIOBJ before = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, before);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

// The shapes of frontend/resistor_drawing.h, scaled to the control.
void PickerDialog::DrawPicture(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (!state_) return;
    const double x_scale = (area.right - area.left) / kPictureWidth;
    const double y_scale = (area.bottom - area.top) / kPictureHeight;
    const auto x = [&](double at) { return area.left + static_cast<int>(std::lround(at * x_scale)); };
    const auto y = [&](double at) { return area.top + static_cast<int>(std::lround(at * y_scale)); };
    for (const DrawnShape& shape : ResistorPicture(state_->drawn)) {
        HPEN pen = CreatePen(PS_SOLID, std::max(1, Scale(1)), ColourRef(shape.outline));
        HBRUSH fill = shape.fill.empty() ? nullptr : CreateSolidBrush(ColourRef(shape.fill));
        const HGDIOBJ pen_before = SelectObject(item.hDC, pen);
        const HGDIOBJ fill_before = SelectObject(item.hDC, fill ? fill : GetStockObject(NULL_BRUSH));
        Rectangle(item.hDC, x(shape.x), y(shape.y), x(shape.x + shape.width), y(shape.y + shape.height));
        SelectObject(item.hDC, fill_before);
        SelectObject(item.hDC, pen_before);
        DeleteObject(pen);
        if (fill) DeleteObject(fill);
    }
}

}  // namespace

void ShowPartPicker(HWND owner, int resistor, WindowLogic& logic) {
    static const EmptyTemplate kTemplate;
    PickerDialog dialog(resistor, logic);
    DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), &kTemplate.header,
                            owner, &PickerDialog::Proc, reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace quorvel::win
