#include "win/calculator_binding.h"

#include <utility>

#include <commctrl.h>

#include "events/handlers.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/entry_focus.h"
#include "frontend/error_message.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

constexpr UINT_PTR kPauseTimer = 1;

}  // namespace

CalculatorBinding::CalculatorBinding(WindowControls& controls, const RegionalSettings& settings)
    : controls_(controls), settings_(settings), events_(*this, *this, this) {
    OnChange([this](Field field, int index) { events_.Changed(field, index); });
}

// An entry tells where the focus goes when it leaves.
void CalculatorBinding::Attach(HWND window) {
    window_ = window;
    for (Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            SetWindowSubclass(controls_.Of(entry, i), &CalculatorBinding::EntryProc, 0,
                              reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

void CalculatorBinding::Load(const std::optional<Circuit>& circuit) {
    events_.Load();
    if (circuit) OpenCircuit(*circuit, *this, events_);
    HWND first = controls_.Of(Field::txtRs, 0);
    SetFocus(first);
    SendMessageW(first, EM_SETSEL, 0, -1);
}

std::optional<FieldElement> CalculatorBinding::FieldOf(HWND control) const {
    const layout::Control* item = controls_.LayoutOf(control);
    return item ? FieldNamed(ControlName(item->name, item->index)) : std::nullopt;
}

// The user's edits and picks; a handler's own writes raise their handler
// from SetText instead.
void CalculatorBinding::Command(HWND control, WORD notification) {
    const layout::Control* item = controls_.LayoutOf(control);
    if (!item || ended_) return;
    if (item->kind == layout::Kind::button && notification == BN_CLICKED) return events_.ClearClick();
    const bool changed = (item->kind == layout::Kind::entry && notification == EN_CHANGE) ||
                         (item->kind == layout::Kind::chooser && notification == CBN_SELCHANGE);
    if (!changed || events_.Running()) return;
    const auto field = FieldOf(control);
    events_.Changed(field->field, field->index);
}

// Esc, pressed or sent as a character, whichever control has the focus;
// an open list only closes, and the character its key then types ends
// nothing.
bool CalculatorBinding::PreviewKey(const MSG& message) {
    const bool key = message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE;
    const bool character = message.message == WM_CHAR && message.wParam == kEscape;
    if ((!key && !character) || ended_ || (message.hwnd != window_ && GetParent(message.hwnd) != window_)) return false;
    if (character && std::exchange(list_closing_, false)) return false;
    HWND focus = GetFocus();
    const layout::Control* item = controls_.LayoutOf(focus);
    if (item && item->kind == layout::Kind::chooser && SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0)) {
        list_closing_ = key;
        return false;
    }
    events_.KeyPress(kEscape);
    return ended_;
}

LRESULT CALLBACK CalculatorBinding::EntryProc(HWND entry, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                              DWORD_PTR self) {
    if (message == WM_KILLFOCUS) {
        auto& binding = *reinterpret_cast<CalculatorBinding*>(self);
        const auto to = reinterpret_cast<HWND>(wparam);
        const layout::Control& item = *binding.controls_.LayoutOf(entry);
        const bool to_control = to && GetParent(to) == binding.window_;
        if (!binding.ended_ && FocusLeft(binding.events_, ControlName(item.name, item.index), to_control)) {
            SendMessageW(entry, EM_SETSEL, 0, 0);
        }
    }
    return DefSubclassProc(entry, message, wparam, lparam);
}

void CalculatorBinding::Timer(UINT_PTR timer) {
    if (timer != kPauseTimer) return;
    KillTimer(window_, kPauseTimer);
    if (!ended_) events_.Paused();
}

std::string CalculatorBinding::ControlText(Field input, int index) const {
    HWND control = controls_.Of(input, index);
    if (KindOf(input) != FieldKind::chooser) return Utf8(WindowText(control));
    const auto item = SendMessageW(control, CB_GETCURSEL, 0, 0);
    return item == CB_ERR ? std::string() : ListItem(input, index, static_cast<int>(item));
}

std::string CalculatorBinding::ListItem(Field chooser, int index, int item) const {
    HWND control = controls_.Of(chooser, index);
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, item, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
    return Utf8(text);
}

bool CalculatorBinding::WriteControl(Field input, int index, const std::string& text) {
    HWND control = controls_.Of(input, index);
    if (KindOf(input) == FieldKind::chooser) {
        // By the exact word: the list's own search ignores case.
        int item = -1;
        const auto units = ListOf(input);
        for (std::size_t k = 0; k < units.size(); ++k) {
            if (units[k].word == text) item = static_cast<int>(k);
        }
        if (SendMessageW(control, CB_GETCURSEL, 0, 0) == item) return false;
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        return true;
    }
    const std::wstring wide = Wide(text);
    if (WindowText(control) == wide) return false;
    SetWindowTextW(control, wide.c_str());
    return true;
}

void CalculatorBinding::SelectDefault(Field entry, int index) {
    HWND control = controls_.Of(entry, index);
    if (GetFocus() == control) SendMessageW(control, EM_SETSEL, 0, -1);
}

void CalculatorBinding::WriteResultBoxes(const std::vector<ChangedResult>& results) {
    if (ended_) return;
    for (const ChangedResult& result : results) {
        HWND unit = controls_.Of(UnitOf(result.value), result.index);
        const std::wstring word = Wide(result.unit);
        if (WindowText(unit) != word) {
            SetWindowTextW(unit, word.c_str());
            if (controls_.LayoutOf(unit)->kind == layout::Kind::label) controls_.FitLabel(unit);
        }
        SetWindowTextW(controls_.Of(result.value, result.index), Wide(result.text).c_str());
    }
}

void CalculatorBinding::End() {
    if (ended_) return;
    ended_ = true;
    KillTimer(window_, kPauseTimer);
    DestroyWindow(window_);
}

void CalculatorBinding::ReportError(const RuntimeError& error) {
    if (ended_) return;
    MessageBoxW(window_, Wide(ErrorMessage(error)).c_str(), Wide(kErrorTitle).c_str(), MB_OK | MB_ICONWARNING);
}

void CalculatorBinding::AwaitPause(std::chrono::milliseconds pause) {
    if (!ended_) SetTimer(window_, kPauseTimer, static_cast<UINT>(pause.count()), nullptr);
}

}  // namespace quorvel::win
