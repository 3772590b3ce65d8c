#include "win/main_window.h"


#include "frontend/window_layout.h"
#include "win/dpi.h"
#include "win/wide_text.h"
#include "win/window_place.h"

namespace quorvel::win {
namespace {

constexpr wchar_t kClassName[] = L"frmQuorvel";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kIcon = 1;  // the icon group of the resources

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &MainWindow::Proc;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.hbrBackground = drawing_.Brush(layout::kBackground);
    window_class.lpszClassName = kClassName;
    RegisterClassExW(&window_class);
    CreateWindowExW(0, kClassName, Wide(layout::kTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                    nullptr, instance, this);
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

void MainWindow::Created(HWND window) {
    controls_.Create(window);
    for (const auto& control : layout::kControls) {
        if (control.kind == layout::Kind::frame) drawing_.DrawOnFrame(GetDlgItem(window, ControlId(control)));
        if (control.kind == layout::Kind::result) drawing_.CentreText(GetDlgItem(window, ControlId(control)));
    }
    FitToDpi(DpiOf(window), nullptr);
    view_.Bind(window, logic_);
}

void MainWindow::Open(const std::optional<Circuit>& circuit, int show) {
    logic_.Load(circuit);
    ShowWindow(window_, show);
    UpdateWindow(window_);
    logic_.Shown();
}

// Placed anew at the DPI, in the rectangle Windows suggests, or centred on
// the monitor's work area at the start.
void MainWindow::FitToDpi(UINT dpi, const RECT* suggested) {
    controls_.Place(dpi);
    const RECT size =
        WindowRectFor(controls_.Scale(layout::kClientWidth), controls_.Scale(layout::kClientHeight), kStyle, 0, dpi);
    const int width = size.right - size.left, height = size.bottom - size.top;
    if (suggested) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        logic_.LayoutChanged();
        return;
    }
    const POINT place = CentredPlace(window_, nullptr, width, height);
    SetWindowPos(window_, nullptr, place.x, place.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: Created(window_); return 0;
        case WM_DPICHANGED: FitToDpi(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam)); return 0;
        // The focus leaves with the window, a report over it included, and
        // comes back to the control that had it: Windows gives it to the
        // window itself, where no key would reach a control.
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus && GetParent(focus) == window_) focused_ = focus;
            } else if (focused_ && IsWindow(focused_)) {
                SetFocus(focused_);
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
            if (settings_.SettingChanged(reinterpret_cast<const wchar_t*>(lparam))) logic_.SettingsChanged();
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (HBRUSH brush = drawing_.ColourControl(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM: drawing_.DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); return TRUE;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
            if (view_.Sent(window_, message, wparam)) return 0;
            break;
        case WM_COMMAND: view_.Command(reinterpret_cast<HWND>(lparam), HIWORD(wparam)); return 0;
        case WM_NOTIFY: view_.Notify(*reinterpret_cast<NMHDR*>(lparam)); return 0;
        case WM_TIMER: view_.Elapsed(wparam); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace quorvel::win
