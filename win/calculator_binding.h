#pragma once

// The calculator bound to the window's controls, as thinly as it can be:
// the user's edits, picks and clicks enter the one dispatch point, and the
// field set reads and writes the controls. It holds no decision of a
// window's own; the window logic below every front end takes those.

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "events/dispatcher.h"
#include "frontend/circuit_text.h"
#include "frontend/control_name.h"
#include "frontend/held_field_set.h"
#include "win/regional_settings.h"
#include "win/window_controls.h"

namespace quorvel::win {

class CalculatorBinding final : public HeldFieldSet, public Platform {
public:
    CalculatorBinding(WindowControls& controls, const RegionalSettings& settings);

    // The window's controls are made: the binding takes them over.
    void Attach(HWND window);
    // The load event, then the circuit given; the focus then in the first
    // entry, its text selected.
    void Load(const std::optional<Circuit>& circuit);
    // WM_COMMAND from a control of the window.
    void Command(HWND control, WORD notification);
    // A message before any control has it: true where it was taken.
    bool PreviewKey(const MSG& message);
    void Timer(UINT_PTR timer);

    std::string ListItem(Field chooser, int index, int item) const override;
    void End() override;
    void ReportError(const RuntimeError& error) override;
    void AwaitPause(std::chrono::milliseconds pause) override;

protected:
    std::string ControlText(Field input, int index) const override;
    bool WriteControl(Field input, int index, const std::string& text) override;
    void SelectDefault(Field entry, int index) override;
    void WriteResultBoxes(const std::vector<ChangedResult>& results) override;
    NumberLocale ReadLocale() const override { return settings_.Current(); }

private:
    static LRESULT CALLBACK EntryProc(HWND entry, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR self);
    std::optional<FieldElement> FieldOf(HWND control) const;

    WindowControls& controls_;
    const RegionalSettings& settings_;
    EventDispatcher events_;
    HWND window_ = nullptr;
    bool ended_ = false;
    bool list_closing_ = false;  // Esc closes a list: the character it types is the list's
};

}  // namespace quorvel::win
