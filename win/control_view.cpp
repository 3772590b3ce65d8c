#include "win/control_view.h"

#include <commctrl.h>

#include "win/clipboard.h"
#include "win/context_menu.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

using layout::Kind;

UINT_PTR TimerId(Timer timer) { return static_cast<UINT_PTR>(timer) + 1; }

// The keys the logic knows by their code (frontend/window_keys.h); 0 for the others.
int CodeOf(WPARAM key) {
    const bool known = key == VK_UP || key == VK_DOWN || key == VK_ESCAPE || (key >= 'A' && key <= 'Z');
    return known ? static_cast<int>(key) : 0;
}

int Modifiers() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

struct Selection {
    DWORD start = 0, end = 0;
};
Selection SelectionOf(HWND box) {
    Selection selection;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start), reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// The text as the edit would leave it, what it put in replacing the selection.
TypedText Proposed(HWND entry, std::u16string_view put) {
    const std::u16string before(Utf16Of(WindowText(entry)));
    const Selection selection = SelectionOf(entry);
    return {before.substr(0, selection.start) + std::u16string(put) + before.substr(selection.end),
            static_cast<int>(selection.start + put.size())};
}

}  // namespace

ControlView::ControlView(WindowControls& controls, CircuitDrawing& drawing, const RegionalSettings& settings)
    : controls_(controls), drawing_(drawing), settings_(settings), measure_(CreateCompatibleDC(nullptr)) {}

ControlView::~ControlView() { DeleteDC(measure_); }

// Every control that takes the focus tells of it, and of the keys another
// program sends it; the entries and the result boxes ask for their tooltips.
void ControlView::Bind(HWND window, WindowLogic& logic) {
    window_ = window;
    logic_ = &logic;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, window, nullptr, nullptr, nullptr);
    for (const layout::Control& control : layout::kControls) {
        HWND made = Of(control);
        if (!made) continue;
        reader_.Name(made, control.spoken.name);
        reader_.Describe(made, layout::DescriptionOf(control));
        if (control.kind == Kind::frame || control.kind == Kind::label) continue;
        SetWindowSubclass(made, &ControlView::ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        if (control.kind != Kind::entry && control.kind != Kind::result) continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(made);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool ControlView::Preview(const MSG& message) { return Key(message.hwnd, message.message, message.wParam); }

bool ControlView::Sent(HWND to, UINT message, WPARAM wparam) {
    return InSendMessageEx(nullptr) != ISMEX_NOSEND && Key(to, message, wparam);
}

// A key, then the character it types, each as it comes; what a dropped
// list had is its own. A key for the window itself is the focused control's.
bool ControlView::Key(HWND to, UINT message, WPARAM wparam) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN && message != WM_CHAR) return false;
    const layout::Control* target = controls_.LayoutOf(to == window_ ? GetFocus() : to);
    if (!logic_ || !target) return false;
    KeyEvent key;
    key.modifiers = Modifiers();
    const layout::Control* focused = Focused();
    const bool dropped = focused && focused->kind == Kind::chooser && SendMessageW(Of(*focused), CB_GETDROPPEDSTATE, 0, 0);
    const char16_t typed = static_cast<char16_t>(wparam);
    if (message == WM_CHAR) {
        key.typed = std::u16string_view(&typed, 1);
        key.popup_open = std::exchange(popup_key_, false) || dropped;
    } else {
        key.code = CodeOf(wparam);
        key.popup_open = popup_key_ = dropped;
    }
    return logic_->KeyPressed(target, key);
}

LRESULT CALLBACK ControlView::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                          DWORD_PTR self) {
    auto& view = *reinterpret_cast<ControlView*>(self);
    const layout::Control* item = view.controls_.LayoutOf(control);
    if (!item || !view.logic_) return DefSubclassProc(control, message, wparam, lparam);
    return view.Handle(control, *item, message, wparam, lparam);
}

LRESULT ControlView::Handle(HWND control, const layout::Control& item, UINT message, WPARAM wparam, LPARAM lparam) {
    const bool entry = item.kind == Kind::entry;
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
            if (Sent(control, message, wparam)) return 0;
            if (entry && message == WM_CHAR && Typed(control, item, static_cast<wchar_t>(wparam))) return 0;
            // Ctrl+V and the middle button send WM_PASTE; Wine's Shift+Insert pastes without it.
            if (!entry || message != WM_KEYDOWN || wparam != VK_INSERT || Modifiers() != kShiftMask) break;
            [[fallthrough]];
        case WM_PASTE:
            if (!entry) break;
            Paste(control, item);
            return 0;
        case WM_LBUTTONDOWN:
            if (entry && logic_->EntryPressed(item)) return 0;  // selected, with no caret of the click's
            break;
        case WM_CONTEXTMENU:
            if (!entry && item.kind != Kind::result) break;
            ShowContextMenu(control, item, lparam, window_, *logic_);
            return 0;
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
            logic_->FocusLeft(item, IsControl(reinterpret_cast<HWND>(wparam)));
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
            logic_->FocusEntered(item, IsControl(reinterpret_cast<HWND>(wparam)));
            return result;
        }
        default: break;
    }
    const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
    // What may move the caret, the selection or the scroll of a result box.
    const bool moves = message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
                       message == WM_LBUTTONDBLCLK || (message == WM_MOUSEMOVE && (wparam & MK_LBUTTON));
    if (item.kind == Kind::result && moves) Moved(control, item);
    return result;
}

// A character counted as typed before the entry takes it: what the typed
// limit leaves is what it shows. False where the entry types it itself.
bool ControlView::Typed(HWND entry, const layout::Control& item, wchar_t character) {
    if (character < L' ' || character == 0x7F) return false;  // an edit key: the change tells of it
    const char16_t typed = static_cast<char16_t>(character);
    const TypedText proposed = Proposed(entry, std::u16string_view(&typed, 1));
    const EntryAfterEdit after = logic_->EditProposed(item, proposed, EntryInput::typed);
    if (after.taken && after.shown.text == proposed.text) return false;
    if (after.taken) Show(entry, item, after);
    return true;
}

// The clipboard's text, whole: the EDIT itself would keep only what comes
// before a line break.
void ControlView::Paste(HWND entry, const layout::Control& item) {
    const std::wstring pasted = ClipboardText(window_);
    if (pasted.empty()) return;
    const EntryAfterEdit after = logic_->EditProposed(item, Proposed(entry, Utf16Of(pasted)), EntryInput::pasted,
                                                      Utf16Of(pasted));
    if (after.taken) Show(entry, item, after);
}

// In one replacement, which Undo takes back; the change told once the
// caret stands where the logic put it.
void ControlView::Show(HWND entry, const layout::Control& item, const EntryAfterEdit& after) {
    replacing_ = &item;
    SendMessageW(entry, EM_SETSEL, 0, -1);
    SendMessageW(entry, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(WideOf(after.shown.text)).c_str()));
    SendMessageW(entry, EM_SETSEL, static_cast<WPARAM>(after.shown.caret), after.shown.caret);
    replacing_ = nullptr;
    logic_->EntryChanged(item);
}

// For a single-line box, EM_GETFIRSTVISIBLELINE gives its first visible character.
void ControlView::Moved(HWND box, const layout::Control& item) {
    const Selection selection = SelectionOf(box);
    logic_->BoxMoved(item, static_cast<int>(selection.start), static_cast<int>(selection.end),
                     SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) != 0);
}

void ControlView::Command(HWND control, WORD notification) {
    const layout::Control* item = controls_.LayoutOf(control);
    if (!item || !logic_) return;
    if (item->kind == Kind::entry && notification == EN_CHANGE && replacing_ != item) logic_->EntryChanged(*item);
    if (item->kind == Kind::chooser && notification == CBN_SELCHANGE) {
        logic_->Picked(*item, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    }
    if (item->kind == Kind::button && notification == BN_CLICKED) logic_->Clicked(*item);
}

// A tooltip about to show asks the logic for its text.
void ControlView::Notify(NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW || !logic_) return;
    const layout::Control* item = controls_.LayoutOf(reinterpret_cast<HWND>(header.idFrom));
    if (!item) return;
    logic_->TooltipAsked(*item);
    // A tooltip breaks its lines at "\n" only once it has a width to break
    // at: the window's, at its DPI now.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, controls_.Scale(layout::kClientWidth));
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = tips_[static_cast<std::size_t>(layout::IndexOf(*item))].data();
}

void ControlView::Elapsed(UINT_PTR timer) {
    for (const Timer each : {Timer::pause, Timer::address}) {
        if (timer != TimerId(each)) continue;
        KillTimer(window_, timer);
        if (logic_) logic_->TimerElapsed(each);
    }
}

std::string ControlView::ControlText(const layout::Control& entry) const { return Utf8(WindowText(Of(entry))); }

const layout::Control* ControlView::Focused() const { return controls_.LayoutOf(GetFocus()); }

void ControlView::Focus(const layout::Control& control) { SetFocus(Of(control)); }

void ControlView::Apply(const std::vector<ViewWrite>& writes) {
    using Write = ViewWrite::Kind;
    for (const ViewWrite& write : writes) {
        if (!write.control) continue;  // the worked solution: the window has no section for it
        HWND control = Of(*write.control);
        switch (write.kind) {
            case Write::text:
                SetWindowTextW(control, Wide(write.text).c_str());
                if (write.control->kind == Kind::label) controls_.FitLabel(control);
                break;
            case Write::pick: SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(write.item), 0); break;
            case Write::select:
                if (write.scroll) {
                    SendMessageW(control, EM_SETSEL, 0, 0);
                    SendMessageW(control, EM_SCROLLCARET, 0, 0);
                }
                SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(write.start), write.end);
                break;
            case Write::draw: drawing_.DrawCut(control, write.cut, Wide(write.text), write.size); break;
            case Write::tooltip: tips_[static_cast<std::size_t>(layout::IndexOf(*write.control))] = Wide(write.text); break;
            case Write::describe: reader_.Describe(control, write.spoken); break;
            case Write::solution:
            case Write::parts: break;  // the page's sections: the window has neither
        }
    }
}

// The EDIT's format rectangle, within its margins; a text wider than it
// scrolls, the caret's pixel beside it.
BoxRoom ControlView::Room(const layout::Control& box) const {
    RECT client;
    GetClientRect(Of(box), &client);
    const auto margins = static_cast<DWORD>(SendMessageW(Of(box), EM_GETMARGINS, 0, 0));
    return {static_cast<double>(client.right - LOWORD(margins) - HIWORD(margins)), 1, true, static_cast<int>(box.font)};
}

double ControlView::TextWidth(const layout::Control& box, std::string_view text, double size) const {
    const std::wstring wide = Wide(text);
    const HFONT font = size == 1 ? controls_.FontOf(box.font) : controls_.MakeFont(box.font, size);
    const HGDIOBJ before = SelectObject(measure_, font);
    SIZE extent{};
    GetTextExtentPoint32W(measure_, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(measure_, before);
    if (size != 1) DeleteObject(font);
    return extent.cx;
}

bool ControlView::Copy(const std::string& text, const std::string& html) { return PutOnClipboard(window_, text, html); }

// Esc presses its one button.
void ControlView::ShowReport(std::string_view title, const std::string& text) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONWARNING);
}

void ControlView::StartTimer(Timer timer, std::chrono::milliseconds after) {
    SetTimer(window_, TimerId(timer), static_cast<UINT>(after.count()), nullptr);
}

void ControlView::StopTimer(Timer timer) { KillTimer(window_, TimerId(timer)); }

void ControlView::End() { DestroyWindow(window_); }

}  // namespace quorvel::win
