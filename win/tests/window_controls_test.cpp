// The window as any Windows tool finds it: every control by its ID, 1000 +
// its tab index, of Windows' own class for its kind, a direct child of the
// window, in tab order; the labels' captions read back; the fixed window.

#include <string>

#include <gtest/gtest.h>

#include "win/tests/running_program.h"
#include "win/wide_text.h"
#include "win/window_controls.h"

namespace quorvel::win::testing {
namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

const wchar_t* ClassOf(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::entry:
        case layout::Kind::result: return L"Edit";
        case layout::Kind::chooser: return L"ComboBox";
        case layout::Kind::label: return L"Static";
        default: return L"Button";
    }
}

class Window : public ::testing::Test {
protected:
    static void SetUpTestSuite() { program_ = new RunningProgram; }
    static void TearDownTestSuite() { delete program_; }
    static inline RunningProgram* program_ = nullptr;
};

TEST_F(Window, EveryControlHasItsIdAndItsClassAndIsCreatedInTabOrder) {
    HWND next = GetWindow(program_->Window(), GW_CHILD);
    for (int tab = 0; tab <= 40; ++tab) {
        const layout::Control* control = nullptr;
        for (const auto& item : layout::kControls) {
            if (item.tab_index == tab) control = &item;
        }
        ASSERT_TRUE(control) << tab;
        HWND found = program_->Control(*control);
        ASSERT_TRUE(found) << ControlName(control->name, control->index);
        EXPECT_EQ(GetParent(found), program_->Window());
        EXPECT_EQ(found, next) << "Z-order at " << ControlName(control->name, control->index);
        next = GetWindow(found, GW_HWNDNEXT);
        EXPECT_EQ(ClassName(found), ClassOf(control->kind)) << ControlName(control->name, control->index);
        const LONG style = GetWindowLongW(found, GWL_STYLE);
        if (control->kind == layout::Kind::result) {
            EXPECT_TRUE(style & ES_READONLY);
        }
        if (control->kind == layout::Kind::label) {
            EXPECT_EQ(Utf8(program_->Text(found)), control->text);
        }
    }
    EXPECT_EQ(next, nullptr) << "no control but the layout's";
}

TEST_F(Window, IsOfFixedSizeCentredAndStartsInTheFirstEntry) {
    HWND window = program_->Window();
    EXPECT_EQ(program_->Text(window), L" Quorvel ");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 794);  // at Wine's 96 dots per inch
    EXPECT_EQ(client.bottom, 225);
    RECT frame, screen;
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (screen.left + screen.right)), 1);
    EXPECT_EQ(program_->Focused(), program_->Control(layout::ControlOf(Field::txtRs, 0)));
}

}  // namespace
}  // namespace quorvel::win::testing
