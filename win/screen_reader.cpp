#include "win/screen_reader.h"

#include <initguid.h>

#include <oleacc.h>

#include "win/wide_text.h"

namespace quorvel::win {

ScreenReader::ScreenReader() : com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

ScreenReader::~ScreenReader() {
    if (services_) services_->Release();
    if (com_) CoUninitialize();
}

void ScreenReader::Name(HWND control, std::string_view name) const { Set(control, PROPID_ACC_NAME, name); }

void ScreenReader::Describe(HWND control, std::string_view description) const {
    Set(control, PROPID_ACC_DESCRIPTION, description);
}

void ScreenReader::Set(HWND control, const GUID& property, std::string_view text) const {
    if (services_ && !text.empty()) {
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, Wide(text).c_str());
    }
}

}  // namespace quorvel::win
