#pragma once

// The window logic's view over the window's Windows controls
// (frontend/window_view.h): it reads and writes them as the logic asks, and
// forwards what Windows tells of them to the logic, each raw event once. It
// decides nothing.
//
// Where Windows tells of a key: a key a person presses is posted, and passes
// the message loop, which shows it to the logic before IsDialogMessage turns
// Esc into IDCANCEL and Tab into a move; a key another program sends passes
// no loop, and its control shows it to the logic instead.

#include <array>
#include <string>
#include <vector>

#include <windows.h>

#include "frontend/window_logic.h"
#include "frontend/window_view.h"
#include "win/circuit_drawing.h"
#include "win/regional_settings.h"
#include "win/screen_reader.h"
#include "win/window_controls.h"

namespace quorvel::win {

class ControlView final : public WindowView {
public:
    ControlView(WindowControls& controls, CircuitDrawing& drawing, const RegionalSettings& settings);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // The window's controls are made: bound to the logic, with their
    // tooltips and what a screen reader names them.
    void Bind(HWND window, WindowLogic& logic);
    // A message from the loop, before IsDialogMessage: true where the logic took it.
    bool Preview(const MSG& message);
    // A key another program sent to the window or a control, which passed
    // no loop: true where the logic took it.
    bool Sent(HWND to, UINT message, WPARAM wparam);
    void Command(HWND control, WORD notification);  // WM_COMMAND
    void Notify(NMHDR& header);                     // WM_NOTIFY
    void Elapsed(UINT_PTR timer);                   // WM_TIMER

    std::string ControlText(const layout::Control& entry) const override;
    const layout::Control* Focused() const override;
    void Focus(const layout::Control& control) override;
    void Apply(const std::vector<ViewWrite>& writes) override;
    NumberLocale ReadLocale() const override { return settings_.Current(); }
    BoxRoom Room(const layout::Control& box) const override;
    double TextWidth(const layout::Control& box, std::string_view text, double size) const override;
    bool Copy(const std::string& text, const std::string& html) override;
    void Tell(const std::string&) override {}  // the window has no line for it
    void ShowReport(std::string_view title, const std::string& text) override;
    void StartTimer(Timer timer, std::chrono::milliseconds after) override;
    void StopTimer(Timer timer) override;
    void End() override;

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR self);
    LRESULT Handle(HWND control, const layout::Control& item, UINT message, WPARAM wparam, LPARAM lparam);
    bool Key(HWND to, UINT message, WPARAM wparam);
    bool Typed(HWND entry, const layout::Control& item, wchar_t character);
    void Paste(HWND entry, const layout::Control& item);
    void Show(HWND entry, const layout::Control& item, const EntryAfterEdit& after);
    void Moved(HWND box, const layout::Control& item);
    bool IsControl(HWND window) const { return controls_.LayoutOf(window); }
    HWND Of(const layout::Control& control) const { return controls_.Of(control); }

    WindowControls& controls_;
    CircuitDrawing& drawing_;
    const RegionalSettings& settings_;
    ScreenReader reader_;
    WindowLogic* logic_ = nullptr;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::array<std::wstring, layout::kControlCount> tips_;
    HDC measure_;                 // where texts are measured in a box's font
    bool popup_key_ = false;      // the last key was a dropped list's: so is the character it types
    const layout::Control* replacing_ = nullptr;  // its edit told once its caret stands
};

}  // namespace quorvel::win
