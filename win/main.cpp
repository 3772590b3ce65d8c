// Starts the calculator: creates its window, raises the load event, shows
// the window and runs the message loop until the window closes or Esc ends
// the program.

#include <windows.h>

#include <commctrl.h>

#include "win/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    quorvel::win::MainWindow window(instance);
    window.Binding().Load();
    ShowWindow(window.Handle(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Key preview: the window sees a key before its control, and before
        // the dialog keys (Tab, Esc) move the focus or cancel.
        if (window.Binding().PreviewKey(message) || IsDialogMessageW(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
