// The page's scenarios (web/tests/scenarios.txt) played on Quorvel.exe, with
// messages as any Windows tool sends them: after each step every field,
// found by its control ID, against what the calculator without a window
// shows after the same steps; a report, read and closed by Esc; a copy, read
// back from the clipboard; the end. Then the window's own, which the page
// has not: the context menus, their part picker and tooltips, as a person
// uses them.
// The regional settings are Wine's, as the test's locale sets them.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "frontend/circuit_text.h"
#include "frontend/entry_description.h"
#include "frontend/error_message.h"
#include "frontend/window_commands.h"
#include "test_support/scenario_page.h"
#include "win/clipboard.h"
#include "win/part_picker_dialog.h"
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

// What the page alone has: what it does before the calculator starts, and
// its layouts. Its link is the program's argument here; its copy buttons
// are the copy commands' keys; its solution's section, which the window
// has not, is left out on both.
std::optional<std::string> PageOnly(const Scenario& scenario) {
    for (const ScenarioStep& step : scenario.steps) {
        if (step.verb == "early" || step.verb == "layout") return "the page's own: " + step.verb + " " + step.id;
    }
    return std::nullopt;
}

// The window's own verbs: "tolerance ID 1 %" (chosen in the box's menu's
// "Toleranță"), "picker ID BANDS: R" (in "Din culori…" the bands picked and
// Enter pressed; the entry shows R), "picker ID Escape", "tooltip ID" (the
// pointer resting on the box).
bool WindowOnly(const std::string& verb) { return verb == "tolerance" || verb == "picker" || verb == "tooltip"; }

// The clipboard's "HTML Format" read as a program that pastes it reads it,
// by the header's byte offsets alone: the fragment, or what is wrong.
std::string HtmlFragment(std::vector<std::string>& differences) {
    std::string data;
    if (OpenClipboard(nullptr)) {
        if (HANDLE held = GetClipboardData(RegisterClipboardFormatW(L"HTML Format"))) {
            data.assign(static_cast<const char*>(GlobalLock(held)));
            GlobalUnlock(held);
        }
        CloseClipboard();
    }
    const auto offset = [&data](const std::string& name) -> std::size_t {
        const std::size_t at = data.find("\r\n" + name + ":");
        return at == std::string::npos ? 0 : std::stoul(data.substr(at + name.size() + 3, 10));
    };
    const std::size_t start_html = offset("StartHTML"), end_html = offset("EndHTML");
    const std::size_t start = offset("StartFragment"), end = offset("EndFragment");
    const bool sound = data.starts_with("Version:0.9\r\n") && end_html == data.size() && start_html < start &&
                       start <= end && end <= end_html && data.substr(start_html).starts_with("<html>") &&
                       data.ends_with("</html>") && data.substr(0, start).ends_with("<!--StartFragment-->") &&
                       data.substr(end).starts_with("<!--EndFragment-->");
    if (!sound) differences.push_back("HTML Format is not sound: " + data.substr(0, 200));
    return sound ? data.substr(start, end - start) : std::string();
}

// The scenario played on the window and on the calculator without one.
class Player {
public:
    // A paste as the menu sends it (WM_PASTE), or by the keys given.
    explicit Player(WPARAM paste_key = 0, std::vector<BYTE> paste_held = {})
        : program_(std::make_unique<RunningProgram>()),
          page_(std::make_unique<Page>(LocaleNamed(locale_name))),
          paste_key_(paste_key),
          paste_held_(std::move(paste_held)) {}

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
        } else if (step.verb == "copy") {  // by the keys, which leave the focus where it is
            page_->Play(step.verb, "-", {});
        } else if (step.verb != "solution" && !WindowOnly(step.verb)) {
            page_->Play(step.verb, step.id, step.text);
        }
        std::vector<std::string> differences;
        Play(step, differences);
        const auto& calculator = page_->calculator();
        const auto& told = calculator.platform.reports;
        if (told.size() > reports) {
            const std::wstring expected = Wide(ErrorMessage(RuntimeError(told.back().first, told.back().second)));
            HWND report = nullptr;  // once the user pauses, a second after the last key
            if (!Within(std::chrono::seconds(10), [&] { return (report = program_->Report()) != nullptr; })) {
                return {"no report; expected " + Utf8(expected)};
            }
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
        // The keys sent as from the keyboard come after any message.
        std::vector<std::string> fields;
        Within(std::chrono::seconds(2), [&] { return (fields = FieldDifferences()).empty(); });
        differences.insert(differences.end(), fields.begin(), fields.end());
        return differences;
    }

private:
    std::vector<std::string> FieldDifferences() const {
        std::vector<std::string> differences;
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            for (int i = 0; i < CountOf(field); ++i) {
                const std::string shown = Utf8(program_->Text(program_->Control(layout::ControlOf(field, i))));
                const std::string expected = page_->calculator().fields.model.Text(field, i);
                if (shown != expected) {
                    differences.push_back(ControlName(field, i) + " shows \"" + shown.substr(0, 40) + "\", not \"" +
                                          expected.substr(0, 40) + "\"");
                }
            }
        }
        return differences;
    }

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

    // A chooser's item picked, as the keyboard or the mouse picks it.
    void Pick(HWND chooser, const std::string& item) const {
        program_->Focus(chooser);
        const std::wstring wide = Wide(item);
        const auto index = SendMessageW(chooser, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(wide.c_str()));
        program_->Deliver(chooser, CB_SETCURSEL, static_cast<WPARAM>(index));
        program_->Deliver(GetParent(chooser), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(chooser), CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(chooser));
    }

    // The box's context menu opened, the keys pressed in it; closed by the last.
    void InMenu(HWND box, const std::vector<WPARAM>& keys, std::vector<std::string>& differences) const {
        HWND menu = program_->OpenMenu(box);
        if (!menu) return differences.push_back("no context menu");
        for (const WPARAM key : keys) program_->PostKey(box, key);
        if (!Within(std::chrono::seconds(10), [menu] { return !IsWindowVisible(menu); })) {
            differences.push_back("the menu stays open");
        }
    }

    // By the keys: up from the last item ("Din culori…" in a resistor's menu), then in the submenu down.
    void ChooseTolerance(HWND box, const std::string& id, const std::string& item, std::vector<std::string>& differences) {
        tolerance_ = ReadCircuitTolerance(item).value();
        std::vector<WPARAM> keys(id.starts_with("txtRs") ? 2 : 1, VK_UP);
        keys.push_back(VK_RIGHT);  // its first item chosen
        keys.insert(keys.end(), std::ranges::find(kCircuitTolerances, tolerance_) - kCircuitTolerances.begin(), VK_DOWN);
        keys.push_back(VK_RETURN);
        InMenu(box, keys, differences);
    }

    void Picker(HWND entry, const std::string& id, const std::string& text, std::vector<std::string>& differences) {
        InMenu(entry, {VK_UP, VK_RETURN}, differences);
        HWND dialog = nullptr;
        if (!Within(std::chrono::seconds(10), [&] { return (dialog = program_->Shown(L"#32770")) != nullptr; })) {
            return differences.push_back("no dialog");
        }
        if (text != "Escape") {
            std::istringstream bands(text.substr(0, text.find(':'))), shown(text.substr(text.find(':') + 1));
            const std::vector<std::string> names{std::istream_iterator<std::string>(bands), {}};
            Pick(GetDlgItem(dialog, kPickerCountId), BandCountText(static_cast<int>(names.size())));
            for (std::size_t band = 0; band < names.size(); ++band) {
                Pick(GetDlgItem(dialog, kPickerBandId + static_cast<int>(band)), names[band]);
            }
            std::string number, unit;
            shown >> number >> unit;
            std::replace(number.begin(), number.end(), ',', LocaleNamed(locale_name).DecimalPoint().front());
            const auto [field, index] = *FieldNamed(id);
            page_->Play("pick", ControlName(InfoOf(field).partner, index), unit);
            page_->Play("type", id, number);
        }
        program_->PostKey(program_->Focused(), text == "Escape" ? VK_ESCAPE : VK_RETURN);  // Enter: OK
        if (!Within(std::chrono::seconds(10), [dialog] { return !IsWindow(dialog); })) {
            differences.push_back("the dialog stays open");
        }
    }

    // Each verb as a person, or a tool, does it to a Windows window; a copy
    // read back from the clipboard, as text and as HTML.
    void Play(const ScenarioStep& step, std::vector<std::string>& differences) {
        const RunningProgram& program = *program_;
        HWND control = step.id.empty() || step.id == "-" || step.verb == "copy" ? nullptr : Named(step.id);
        if (step.verb == "type" || step.verb == "erase") {
            SelectAll(control);
            Type(control, step.verb == "erase" ? "\b" : step.text);
        } else if (step.verb == "paste") {
            SelectAll(control);
            PutOnClipboard(nullptr, step.text);
            if (paste_key_) program.PostKey(control, paste_key_, paste_held_);
            else program.Deliver(control, WM_PASTE);
        } else if (step.verb == "press") {
            program.ClickAndType(control, Wide(step.text));
        } else if (step.verb == "copy") {
            const Command command = step.id == "cmdCopySolution" ? Command::copy_solution
                                    : step.id == "cmdCopyParts"  ? Command::copy_parts
                                                                 : Command::copy_circuit;
            const DWORD copies = GetClipboardSequenceNumber();
            program.PostKey(program.Focused(), static_cast<WPARAM>(InfoOf(command).keys.key), {VK_CONTROL, VK_SHIFT});
            Within(std::chrono::seconds(5), [copies] { return GetClipboardSequenceNumber() != copies; });
            const Copied expected = InfoOf(command).copy({page_->calculator().fields.model, {}, tolerance_});
            std::string text;
            for (const char c : expected.text) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
            if (Utf8(ClipboardText(nullptr)) != text) differences.push_back("the text copied is " + Utf8(ClipboardText(nullptr)));
            if (HtmlFragment(differences) != expected.html) differences.push_back("the HTML copied differs");
        } else if (step.verb == "home") {
            program.Focus(control);
            program.Deliver(control, EM_SETSEL, 0, 0);
            Type(control, step.text);
        } else if (step.verb == "keys") {
            Type(program.Focused(), step.text);
        } else if (step.verb == "pick") {
            Pick(control, step.text);
        } else if (step.verb == "tab") {
            program.PostKey(program.Focused(), VK_TAB);
        } else if (step.verb == "clear") {
            program.Deliver(Named("cmdClear"), BM_CLICK);
        } else if (step.verb == "escape") {
            program.Focus(control);
            program.PostKey(control, VK_ESCAPE);
        } else if (step.verb == "key") {
            program.Focus(control);
            const WPARAM key = step.text.ends_with("Up") ? VK_UP : VK_DOWN;
            if (step.text.starts_with("Control")) program.PostKey(control, key, {VK_CONTROL});
            else program.PostKey(control, key);
        } else if (step.verb == "focus") {
            program.Click(control);
        } else if (step.verb == "select") {
            SelectAll(control);
        } else if (step.verb == "list") {
            program.Focus(control);
            program.Deliver(control, CB_SHOWDROPDOWN, TRUE);
            program.PostKey(control, VK_ESCAPE);
        } else if (step.verb == "tolerance") {
            ChooseTolerance(control, step.id, step.text, differences);
        } else if (step.verb == "picker") {
            Picker(control, step.id, step.text, differences);
        } else if (step.verb == "tooltip") {
            const std::string expected =
                ResistorTooltip(page_->calculator().fields.model, FieldNamed(step.id)->index, tolerance_);
            const std::string shown = Utf8(program.Tooltip(control));
            if (shown != expected) differences.push_back("the tooltip is \"" + shown + "\"");
        }
        // pause: the user waits, and the report shows, if one waited.
    }

    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<Page> page_;
    Tolerance tolerance_ = kStartTolerance;  // the circuit's, as chosen in a menu
    WPARAM paste_key_;
    std::vector<BYTE> paste_held_;
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
    EXPECT_TRUE(differences.empty()) << "after " << step_done << told;
}

// A paste by each way a person pastes, a line break in it: taken whole,
// without the break, as the page takes it.
TEST(Paste, ByTheMenuCtrlVAndShiftInsertTakesTheClipboardWhole) {
    struct PasteWay {
        const char* name;
        WPARAM key;
        std::vector<BYTE> held;
    };
    const PasteWay ways[] = {{"WM_PASTE", 0, {}}, {"Ctrl+V", 'V', {VK_CONTROL}}, {"Shift+Insert", VK_INSERT, {VK_SHIFT}}};
    for (const PasteWay& way : ways) {
        Player player(way.key, way.held);
        for (const ScenarioStep& step : {ScenarioStep{"paste", "txtIst", "12\r\n34"}, ScenarioStep{"paste", "txtRs(0)", "4,7\n"}}) {
            for (const std::string& difference : player.Step(step)) ADD_FAILURE() << way.name << ": " << difference;
        }
    }
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

// The window's own: what the parts add to its menus, its tooltips and its keys.
const Scenario kPartsScenarios[] = {
    {"a tolerance chosen marks the resistor at it",
     {{"type", "txtRs(0)", "4K7"}, {"tooltip", "txtRs(0)", ""}, {"tolerance", "txtRs(0)", "1 %"},
      {"tooltip", "txtRs(0)", ""}}},
    {"the bands picked enter their value",
     {{"picker", "txtRs(0)", "galben violet negru maro maro: 4,7 kOhm"}, {"tooltip", "txtRs(0)", ""}}},
    {"Esc closes the picker and nothing else", {{"type", "txtRs(1)", "22"}, {"picker", "txtRs(1)", "Escape"}}},
    {"Ctrl+Shift+P copies the parts at the tolerance chosen",
     {{"type", "txtRs(0)", "4K7"}, {"type", "txtIst", "5"}, {"tolerance", "txtIst", "2 %"},
      {"copy", "cmdCopyParts", ""}}},
};
INSTANTIATE_TEST_SUITE_P(Parts, PageScenario, ::testing::ValuesIn(kPartsScenarios), NameOf);

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
