#include "win/regional_settings.h"

#include <utility>

#include "win/wide_text.h"

namespace quorvel::win {

std::wstring ReadUserLocale(LCTYPE item) {
    wchar_t text[LOCALE_NAME_MAX_LENGTH];
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, LOCALE_NAME_MAX_LENGTH);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

RegionalSettings::RegionalSettings(LocaleReader reader) : reader_(std::move(reader)), current_(Read()) {}

NumberLocale RegionalSettings::Read() const {
    return {Utf8(reader_(LOCALE_SDECIMAL)), Utf8(reader_(LOCALE_STHOUSAND)), Utf8(reader_(LOCALE_SCURRENCY))};
}

bool RegionalSettings::SettingChanged(const wchar_t* section) {
    if (!section || std::wstring_view(section) != L"intl") return false;
    current_ = Read();
    return true;
}

}  // namespace quorvel::win
