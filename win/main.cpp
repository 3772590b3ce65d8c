// Starts the calculator. The command line (frontend/command_line.h) answers
// its options with no window, on the standard streams or the parent's
// console; otherwise the window is created, its load event raised, with
// the circuit given as the argument where there is one, and the message
// loop runs until the window closes or Esc ends the program.

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "frontend/command_line.h"
#include "quorvel_version.h"
#include "win/main_window.h"
#include "win/standard_output.h"
#include "win/wide_text.h"

namespace {

// The arguments as the command line reads them: UTF-8, without the program's name.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(quorvel::win::Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    using namespace quorvel::win;
    StandardOutput out(STD_OUTPUT_HANDLE), err(STD_ERROR_HANDLE);
    const quorvel::ProgramStart start = quorvel::RunCommandLine(
        Arguments(), {QUORVEL_VERSION, [] { return RegionalSettings().Current(); }, out, err});
    if (start.exit) {
        ShowKept(out, err);
        return *start.exit;
    }

    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    MainWindow window(instance);
    window.Open(start.circuit, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Key preview: the window logic sees a key before its control, and
        // before the dialog keys (Tab, Esc) move the focus or cancel.
        if (window.View().Preview(message) || IsDialogMessageW(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
