#pragma once

// The user's regional settings, as Windows keeps them, in the form the
// number rules read: read at start-up and again whenever Windows says they
// changed. Wine may keep the first values, so the reader can be replaced.

#include <functional>
#include <string>

#include <windows.h>

#include "number/number_text.h"

namespace quorvel::win {

// One item of the user's settings (LOCALE_SDECIMAL, ...).
using LocaleReader = std::function<std::wstring(LCTYPE item)>;
std::wstring ReadUserLocale(LCTYPE item);

class RegionalSettings {
public:
    explicit RegionalSettings(LocaleReader reader = ReadUserLocale);

    const NumberLocale& Current() const { return current_; }
    // WM_SETTINGCHANGE, with the section it names: true where it was the
    // regional settings ("intl"), which are then read again.
    bool SettingChanged(const wchar_t* section);

private:
    NumberLocale Read() const;

    LocaleReader reader_;
    NumberLocale current_;
};

}  // namespace quorvel::win
