#pragma once

// What a screen reader says of a control beyond its text, as Windows'
// accessibility takes it: a name and a description kept for the control's
// window (IAccPropServices::SetHwndPropStr). Where Windows has no such
// service, or answers E_NOTIMPL as Wine may, the controls keep what their
// classes say, and the window goes on.

#include <string_view>

#include <windows.h>

struct IAccPropServices;

namespace quorvel::win {

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // An empty text leaves what the control had.
    void Name(HWND control, std::string_view name) const;
    void Describe(HWND control, std::string_view description) const;

private:
    void Set(HWND control, const GUID& property, std::string_view text) const;

    IAccPropServices* services_ = nullptr;
    bool com_ = false;
};

}  // namespace quorvel::win
