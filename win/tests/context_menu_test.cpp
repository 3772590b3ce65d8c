// A text box's context menu as Quorvel.exe builds it, after the window's
// commands: the circuit's tolerances, its own radio-checked, and a resistor
// entry's picker. Under Wine another process cannot read a menu: it is
// built here, for a box of this test's own.

#include <gtest/gtest.h>

#include "test_support/recording_view.h"
#include "win/context_menu.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

// "-" a separator, a submenu in braces, "(•)" a radio item checked.
std::string ItemsOf(HMENU menu) {
    std::string items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        items += (i ? " | " : "") + std::string(item.fState & MFS_CHECKED ? "(\u2022) " : "") +
                 (item.fType & MFT_SEPARATOR ? "-" : Utf8(text)) +
                 (item.hSubMenu ? " { " + ItemsOf(item.hSubMenu) + " }" : "");
    }
    return items;
}

TEST(ContextMenu, EndsInTheTolerancesAndInAResistorsEntryItsPicker) {
    quorvel::testing::RecordingView view;
    WindowLogic logic(view);
    logic.Load();
    logic.SetTolerance(kCircuitTolerances[3]);
    HWND box = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    const std::string tail = "Copiaz\u0103 lista de piese\tCtrl+Shift+P | - | Toleran\u021B\u0103 { \u00B11 % | "
                             "\u00B12 % | \u00B15 % | (\u2022) \u00B110 % | \u00B120 % }";
    const std::pair<Field, std::string> rows[] = {{Field::txtRs, tail + " | Din culori\u2026"}, {Field::txtPst, tail}};
    for (const auto& [field, items] : rows) {
        HMENU menu = MakeContextMenu(box, layout::ControlOf(field, 0), logic);
        const std::string all = ItemsOf(menu);
        EXPECT_EQ(all.substr(all.find("Copiaz\u0103 lista")), items) << NameOf(field);
        DestroyMenu(menu);
    }
    DestroyWindow(box);
}

}  // namespace
}  // namespace quorvel::win
