#include "win/tests/running_program.h"

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

#include <commctrl.h>

#include "win/wide_text.h"
#include "win/window_controls.h"

namespace quorvel::win::testing {
namespace {

using namespace std::chrono_literals;

struct Search {
    DWORD process;
    const wchar_t* class_name;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lparam) {
    auto& search = *reinterpret_cast<Search*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64];
    if (process != search.process || !IsWindowVisible(window) || !GetClassNameW(window, name, 64) ||
        std::wstring_view(name) != search.class_name) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND WindowOf(DWORD process, const wchar_t* class_name) {
    Search search{process, class_name, nullptr};
    EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool Within(std::chrono::milliseconds limit, const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::wstring WindowsPath(std::string_view path) {
    std::wstring windows = L"Z:";
    for (const char c : path) windows += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return windows;
}

RunningProgram::RunningProgram(const std::string& argument) {
    std::wstring command = L"\"" + WindowsPath(QUORVEL_EXE) + L"\"";
    if (!argument.empty()) command += L" \"" + Wide(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        throw std::runtime_error("Quorvel.exe does not start");
    }
    WaitForInputIdle(process_.hProcess, 60000);
    if (!Within(60s, [this] { return (window_ = WindowOf(process_.dwProcessId, L"frmQuorvel")) != nullptr; })) {
        throw std::runtime_error("Quorvel.exe shows no window");
    }
    WaitIdle();
}

RunningProgram::~RunningProgram() {
    if (!Ended(0)) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        if (!Ended(10000)) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::Control(const layout::Control& control) const { return GetDlgItem(window_, ControlId(control)); }

HWND RunningProgram::Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

std::wstring TextOf(HWND control) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                        &copied);
    text.resize(copied);
    return text;
}

// What is sent to another thread is handled in the order sent: the empty
// message after it returns once the first is done, or once a modal loop
// (the report) takes messages.
void RunningProgram::Deliver(HWND control, UINT message, WPARAM wparam, LPARAM lparam) const {
    SendNotifyMessageW(control, message, wparam, lparam);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
}

void RunningProgram::Focus(HWND control) const {
    const DWORD me = GetCurrentThreadId();
    AttachThreadInput(me, process_.dwThreadId, TRUE);
    SetFocus(control);
    AttachThreadInput(me, process_.dwThreadId, FALSE);
    WaitForFocus(control);
}

void RunningProgram::WaitForFocus(HWND control) const {
    if (!Within(10s, [&] { return Focused() == control; })) throw std::runtime_error("the focus did not move");
    WaitIdle();
}

void RunningProgram::WaitIdle() const { WaitForInputIdle(process_.hProcess, 10000); }

// Held modifiers need the key state of the program's thread, which only
// input from the keyboard (SendInput) sets, to the window in front.
void RunningProgram::PostKey(HWND control, WPARAM key, const std::vector<BYTE>& held) const {
    if (held.empty()) {
        const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
        PostMessageW(control, WM_KEYDOWN, key, 1 | (scan << 16));
        PostMessageW(control, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
        WaitIdle();
        return;
    }
    SetForegroundWindow(window_);
    Focus(control);
    std::vector<INPUT> inputs;
    const auto press = [&inputs](WORD pressed, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = pressed;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const BYTE modifier : held) press(modifier, 0);
    press(static_cast<WORD>(key), 0);
    press(static_cast<WORD>(key), KEYEVENTF_KEYUP);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) press(*modifier, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    WaitIdle();
}

void RunningProgram::Click(HWND control) const { ClickAndType(control, {}); }

void RunningProgram::ClickAndType(HWND control, const std::wstring& typed) const {
    RECT area;
    GetClientRect(control, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(control, WM_LBUTTONUP, 0, middle);
    for (const wchar_t character : typed) PostMessageW(control, WM_CHAR, character, 1);
    WaitForFocus(control);
}

HWND RunningProgram::Shown(const wchar_t* class_name) const { return WindowOf(process_.dwProcessId, class_name); }

HWND RunningProgram::OpenMenu(HWND control) const {
    RECT area;
    GetClientRect(control, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, middle);
    PostMessageW(control, WM_RBUTTONUP, 0, middle);
    HWND menu = nullptr;
    Within(10s, [&] { return (menu = Shown(L"#32768")) != nullptr; });
    return menu;
}

// The pointer on another box first: a tooltip shows again only for a box it
// was not on last. Wine may put the pointer back where the X server last
// said it was, after a later move: moved again till it stays.
std::wstring RunningProgram::Tooltip(HWND control) const {
    const auto rest_on = [](HWND box) {
        RECT place;
        GetWindowRect(box, &place);
        const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        Within(2s, [middle] {
            POINT at{};
            SetCursorPos(middle.x, middle.y);
            std::this_thread::sleep_for(50ms);
            return GetCursorPos(&at) && at.x == middle.x && at.y == middle.y;
        });
    };
    const Field other = control == Control(layout::ControlOf(Field::txtIst, 0)) ? Field::txtRst : Field::txtIst;
    HWND tip = nullptr;
    Within(20s, [&] {
        rest_on(Control(layout::ControlOf(other, 0)));
        if (HWND shown = Shown(TOOLTIPS_CLASSW)) Within(2s, [shown] { return !IsWindowVisible(shown); });
        rest_on(control);
        return Within(2s, [&] { return (tip = Shown(TOOLTIPS_CLASSW)) != nullptr; });
    });
    return tip ? TextOf(tip) : std::wstring();
}

HWND RunningProgram::Report() const { return Shown(L"#32770"); }

std::wstring RunningProgram::ReportText(HWND report) const {
    return Text(GetDlgItem(report, 0xFFFF));
}

void RunningProgram::CloseByEscape(HWND report) const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    PostKey(info.hwndFocus ? info.hwndFocus : report, VK_ESCAPE);
    if (!Within(10s, [&] { return !IsWindow(report) || !IsWindowVisible(report); })) {
        throw std::runtime_error("Esc does not close the report");
    }
}

bool RunningProgram::Ended(DWORD milliseconds) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace quorvel::win::testing
