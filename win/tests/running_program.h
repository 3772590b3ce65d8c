#pragma once

// Quorvel.exe started as a user starts it, and driven as any Windows tool
// drives a program: its controls found by their IDs, messages sent and
// posted to them, their texts read back.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "frontend/window_layout.h"

namespace quorvel::win::testing {

// Polled until it holds or the time is up: what a program does on posted
// input, or on input from the keyboard, comes when it comes.
bool Within(std::chrono::milliseconds limit, const std::function<bool()>& condition);

// A path of this machine's as Windows programs under Wine name it.
std::wstring WindowsPath(std::string_view path);
// A window's text, as WM_GETTEXT gives it to another process.
std::wstring TextOf(HWND window);

class RunningProgram {
public:
    // Started, with the argument where given, its window shown.
    explicit RunningProgram(const std::string& argument = {});
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();  // closed, as a user closes it

    HWND Window() const { return window_; }
    HWND Control(const layout::Control& control) const;
    HWND Focused() const;
    std::wstring Text(HWND control) const { return TextOf(control); }

    // Sent, and waited for until handled, or until what it started waits
    // for the user (a report).
    void Deliver(HWND control, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
    // The focus moved into the control, as the program's own thread would.
    void Focus(HWND control) const;
    // Posted, as the keyboard and the mouse put them in the program's queue;
    // each returns once the program has taken them. A key with the
    // modifiers held (VK_CONTROL, VK_SHIFT), as the program's thread reads
    // them; a click and the characters typed right after it.
    void PostKey(HWND control, WPARAM key, const std::vector<BYTE>& held = {}) const;
    void Click(HWND control) const;
    void ClickAndType(HWND control, const std::wstring& typed) const;
    void WaitForFocus(HWND control) const;

    // A window of the program's shown over its own, of the class given (a
    // menu "#32768", a dialog "#32770", a tooltip), or nullptr.
    HWND Shown(const wchar_t* class_name) const;
    // The control's context menu, opened by the right button, once it shows.
    HWND OpenMenu(HWND control) const;
    // The control's tooltip, as it shows once the pointer rests on it.
    std::wstring Tooltip(HWND control) const;

    // The report shown over the window, or nullptr; its text; closed by Esc.
    HWND Report() const;
    std::wstring ReportText(HWND report) const;
    void CloseByEscape(HWND report) const;
    // The process has ended within the time given.
    bool Ended(DWORD milliseconds) const;

private:
    void WaitIdle() const;

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

}  // namespace quorvel::win::testing
