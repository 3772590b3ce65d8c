// The page's scenarios (web/tests/scenarios.txt) played on Quorvel.exe, with
// messages as any Windows tool sends them: after each step every field,
// found by its control ID, against what the calculator without a window
// shows after the same steps; a report, read and closed by Esc; the end.
// The regional settings are Wine's, as the test's locale sets them.

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frontend/circuit_text.h"
#include "frontend/error_message.h"
#include "test_support/scenario_page.h"
#include "win/tests/running_program.h"
#include "win/wide_text.h"

namespace quorvel::win::testing {
namespace {

using quorvel::testing::Page;
using quorvel::testing::Scenario;
using quorvel::testing::ScenarioStep;

// The separators each locale's settings have, as the page test has them.
NumberLocale LocaleNamed(const std::string& name) {
    if (name == "ro-RO") return {",", ".", ""};
    return {".", ",", ""};
}
std::string locale_name = "en-US";  // --locale=NAME

// What the page alone has: what it does before the calculator starts, its
// layouts, its worked solution and its buttons. Its link is the program's
// argument here.
std::optional<std::string> PageOnly(const Scenario& scenario) {
    for (const ScenarioStep& step : scenario.steps) {
        if (step.verb == "early" || step.verb == "layout" || step.verb == "solution" ||
            (step.verb == "copy" && step.id != "-")) {
            return "the page's own: " + step.verb + " " + step.id;
        }
    }
    return std::nullopt;
}

// What the window does through the window logic below every front end,
// which this window is not bound to yet.
struct Waiting {
    const char* scenario;
    const char* what;
};
constexpr Waiting kWaiting[] = {
    {"a click or a tap into \"0\" replaces it, had it the focus or not", "a click into a lone \"0\" selects it"},
    {"keys typed while the first makes a result too large reach their entry; told after a pause",
     "a click into a lone \"0\" selects it"},
    {"six characters typed, a paste kept whole", "the typed limit (EditedEntry on WM_CHAR and WM_PASTE)"},
    {"Up and Down step a resistor through E24, Ctrl with them through E96", "Up and Down stepping"},
};

std::optional<std::string> WaitsFor(const Scenario& scenario) {
    for (const Waiting& waiting : kWaiting) {
        if (scenario.name == waiting.scenario) return waiting.what;
    }
    return std::nullopt;
}

// The scenario played on the window and on the calculator without one.
class Player {
public:
    Player() : program_(std::make_unique<RunningProgram>()), page_(std::make_unique<Page>(LocaleNamed(locale_name))) {}

    // What differs after the step, if anything.
    std::vector<std::string> Step(const ScenarioStep& step) {
        const std::size_t reports = page_->calculator().platform.reports.size();
        if (step.verb == "restart" || step.verb == "reopen") {
            // Started again; reopened with the circuit as its argument, as a link opens the page with it.
            const std::string circuit =
                step.verb == "reopen" ? CircuitLine(page_->calculator().fields.model) : std::string();
            program_.reset();
            program_ = std::make_unique<RunningProgram>(circuit);
            page_ = circuit.empty() ? std::make_unique<Page>(LocaleNamed(locale_name))
                                    : std::make_unique<Page>(LocaleNamed(locale_name), circuit);
        } else {
            Play(step);
            page_->Play(step.verb, step.id, step.text);
        }
        const auto& calculator = page_->calculator();
        std::vector<std::string> differences;
        const auto& told = calculator.platform.reports;
        if (told.size() > reports) {
            const std::wstring expected = Wide(ErrorMessage(RuntimeError(told.back().first, told.back().second)));
            HWND report = WaitForReport();
            if (!report) return {"no report; expected " + Utf8(expected)};
            if (program_->ReportText(report) != expected) {
                differences.push_back("the report is \"" + Utf8(program_->ReportText(report)) + "\"");
            }
            program_->CloseByEscape(report);
        } else if (program_->Report()) {
            differences.push_back("a report shows: " + Utf8(program_->ReportText(program_->Report())));
        }
        if (calculator.platform.ends) {
            if (!program_->Ended(10000)) differences.push_back("the program has not ended");
            return differences;
        }
        if (program_->Ended(0)) return {"the program has ended"};
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            for (int i = 0; i < CountOf(field); ++i) {
                const std::string shown = Utf8(program_->Text(program_->Control(layout::ControlOf(field, i))));
                const std::string expected = calculator.fields.model.Text(field, i);
                if (shown != expected) {
                    differences.push_back(ControlName(field, i) + " shows \"" + shown.substr(0, 40) + "\", not \"" +
                                          expected.substr(0, 40) + "\"");
                }
            }
        }
        return differences;
    }

private:
    HWND Named(const std::string& id) const {
        const auto element = FieldNamed(id);
        const layout::Control* control =
            element ? &layout::ControlOf(element->field, element->index) : layout::Find(id);
        return program_->Control(*control);
    }

    void Type(HWND control, const std::string& text) const {
        for (const wchar_t character : Wide(text)) program_->Deliver(control, WM_CHAR, character);
    }

    void SelectAll(HWND control) const {
        program_->Focus(control);
        program_->Deliver(control, EM_SETSEL, 0, -1);
    }

    // Each verb as a person, or a tool, does it to a Windows window.
    void Play(const ScenarioStep& step) const {
        const RunningProgram& program = *program_;
        HWND control = step.id.empty() || step.id == "-" ? nullptr : Named(step.id);
        if (step.verb == "type" || step.verb == "erase") {
            SelectAll(control);
            Type(control, step.verb == "erase" ? "\b" : step.text);
        } else if (step.verb == "paste") {
            SelectAll(control);
            PutOnClipboard(Wide(step.text));
            program.Deliver(control, WM_PASTE);
        } else if (step.verb == "home") {
            program.Focus(control);
            program.Deliver(control, EM_SETSEL, 0, 0);
            Type(control, step.text);
        } else if (step.verb == "keys") {
            Type(program.Focused(), step.text);
        } else if (step.verb == "pick") {
            program.Focus(control);
            const std::wstring item = Wide(step.text);
            const auto index = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(item.c_str()));
            program.Deliver(control, CB_SETCURSEL, static_cast<WPARAM>(index));
            program.Deliver(program.Window(), WM_COMMAND,
                            MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        } else if (step.verb == "tab") {
            program.PostKey(program.Focused(), VK_TAB);
        } else if (step.verb == "clear") {
            program.Deliver(Named("cmdClear"), BM_CLICK);
        } else if (step.verb == "escape") {
            program.Focus(control);
            program.PostKey(control, VK_ESCAPE);
        } else if (step.verb == "key") {
            program.Focus(control);
            program.PostKey(control, step.text.ends_with("Up") ? VK_UP : VK_DOWN);
        } else if (step.verb == "focus") {
            program.Click(control);
        } else if (step.verb == "select") {
            SelectAll(control);
        } else if (step.verb == "list") {
            program.Focus(control);
            program.Deliver(control, CB_SHOWDROPDOWN, TRUE);
            program.PostKey(control, VK_ESCAPE);
        }
        // pause: the user waits, and the report shows, if one waited.
    }

    // Shown once the user pauses, a second after the last key.
    HWND WaitForReport() const {
        for (int i = 0; i < 1000; ++i) {
            if (HWND report = program_->Report()) return report;
            Sleep(10);
        }
        return nullptr;
    }

    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<Page> page_;
};

class PageScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(PageScenario, PlaysOnTheWindowAsOnTheCalculatorWithoutOne) {
    const Scenario& scenario = GetParam();
    if (const auto page_only = PageOnly(scenario)) GTEST_SKIP() << *page_only;
    std::vector<std::string> differences;
    std::string step_done;
    {
        Player player;
        for (const ScenarioStep& step : scenario.steps) {
            step_done = step.verb + " " + step.id + " " + step.text.substr(0, 40);
            differences = player.Step(step);
            if (!differences.empty()) break;
        }
    }
    std::string told;
    for (const std::string& difference : differences) told += "\n  " + difference;
    if (const auto waiting = WaitsFor(scenario)) {
        if (!differences.empty()) GTEST_SKIP() << "waits for the window logic: " << *waiting << "; after " << step_done << told;
        std::cout << "passes already, before the window logic: " << *waiting << '\n';
        return;
    }
    EXPECT_TRUE(differences.empty()) << "after " << step_done << told;
}

std::vector<Scenario> Scenarios() {
    std::ifstream file(std::filesystem::path(WindowsPath(QUORVEL_SCENARIOS)));
    return quorvel::testing::ReadScenarios(file);
}

// A test name of the scenario's words.
std::string NameOf(const ::testing::TestParamInfo<Scenario>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (const char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        else if (name.back() != '_') name += '_';
    }
    return name.substr(0, 60);
}

INSTANTIATE_TEST_SUITE_P(Window, PageScenario, ::testing::ValuesIn(Scenarios()), NameOf);

}  // namespace
}  // namespace quorvel::win::testing

namespace quorvel::testing {
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << '"' << scenario.name << '"'; }
}  // namespace quorvel::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--locale=")) quorvel::win::testing::locale_name = argument.substr(9);
    }
    return RUN_ALL_TESTS();
}
