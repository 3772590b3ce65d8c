// The regional settings are read again when Windows says that they changed,
// and only then; Wine may keep the first values, so a fake reader stands
// in for Windows' own (which the driver's runs under two locales use).

#include <map>

#include <gtest/gtest.h>

#include "win/regional_settings.h"

namespace {

using quorvel::NumberLocale;
using quorvel::win::RegionalSettings;

TEST(RegionalSettings, ReadAgainOnlyWhenTheRegionalSettingsChanged) {
    std::map<LCTYPE, std::wstring> windows{{LOCALE_SDECIMAL, L"."}, {LOCALE_STHOUSAND, L","}, {LOCALE_SCURRENCY, L"$"}};
    RegionalSettings settings([&windows](LCTYPE item) { return windows[item]; });
    EXPECT_EQ(settings.Current(), (NumberLocale{".", ",", "$"}));

    windows = {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"\u202F"}, {LOCALE_SCURRENCY, L"\u20AC"}};
    struct Row {
        const wchar_t* section;
        bool read_again;
    };
    for (const Row& row : {Row{nullptr, false}, Row{L"Environment", false}, Row{L"intl", true}}) {
        EXPECT_EQ(settings.SettingChanged(row.section), row.read_again) << (row.section ? "a section" : "none");
    }
    EXPECT_EQ(settings.Current(), (NumberLocale{",", "\u202F", "\u20AC"}));
}

}  // namespace
