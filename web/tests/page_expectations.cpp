// Plays the page test's scenarios on the calculator without a window and
// prints, after each step, the text of every field by element id, the error
// report shown, whether the calculator has ended and the circuit its link
// holds, and after a copy what the clipboard takes; and the window's tab
// order, as JSON. Besides the scenarios of the file, one is made of the rows
// of the table of typed keys that the page plays too.
//     quorvel_page_expectations SCENARIOS DECIMAL GROUP

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_table.h"
#include "frontend/worked_solution.h"
#include "frontend/circuit_text.h"
#include "frontend/control_name.h"
#include "frontend/entry_description.h"
#include "events/handlers.h"
#include "frontend/error_message.h"
#include "frontend/texts.h"
#include "frontend/window_layout.h"
#include "web/phone_layout.h"
#include "test_support/headless_calculator.h"
#include "test_support/scenario_page.h"
#include "test_support/typed_keys.h"

namespace {

using namespace quorvel;
using testing::HeadlessCalculator;
using testing::Page;

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return out + "\"";
}

std::string State(const HeadlessCalculator& calculator, std::size_t reports_before) {
    std::string fields;
    if (calculator.platform.ends == 0) {
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            for (int i = 0; i < CountOf(field); ++i) {
                fields += (fields.empty() ? "" : ", ") + Json(ControlName(field, i)) +
                          ": " + Json(calculator.fields.model.Text(field, i));
            }
        }
    }
    // What a screen reader hears of each resistor entry, and its tooltip.
    std::string described;
    for (int i = 0; i < kResistorCount && calculator.platform.ends == 0; ++i) {
        const EntryDescription description = DescribeResistor(calculator.fields.model, i);
        described += (i ? ", " : "") + Json(ControlName(Field::txtRs, i)) + ": [" + Json(description.spoken) + ", " +
                     Json(description.tooltip) + "]";
    }
    const auto& reports = calculator.platform.reports;
    const std::string report = reports.size() > reports_before
                                   ? Json(ErrorMessage(RuntimeError(reports.back().first, reports.back().second)))
                                   : "null";
    const std::string link = Json(CircuitLine(calculator.fields.model));
    return "\"fields\": {" + fields + "}, \"described\": {" + described + "}, \"report\": " + report +
           ", \"ended\": " + (calculator.platform.ends ? "true" : "false") + ", \"link\": " + link;
}

// The ids of the controls that take the focus, in the window's tab order.
std::string TabOrder() {
    std::string ids;
    for (const auto* control : layout::TabOrder()) {
        ids += (ids.empty() ? "" : ", ") + Json(ControlName(control->name, control->index));
    }
    return ids;
}

// What the page's style must give each control, by the layout table: its
// place and size in the window in CSS pixels, its background where it has
// one of its own, and its font's size and weight; on a phone, its font's size.
std::string Styles() {
    std::string styles;
    const layout::Control& frame = layout::Frame();
    for (const layout::Control& control : layout::kControls) {
        if (control.kind == layout::Kind::line || control.kind == layout::Kind::dot) continue;
        const int in_frame = control.container == layout::Container::fraSerie;
        const layout::Typeface face = layout::TypefaceOf(control.font);
        char background[24] = "null";
        if (control.colour != layout::kNoColour) {
            std::snprintf(background, sizeof background, "\"rgb(%u, %u, %u)\"", control.colour >> 16,
                          (control.colour >> 8) & 0xFF, control.colour & 0xFF);
        }
        styles += std::string(styles.empty() ? "" : ",\n  ") + "{\"id\": " + Json(ControlName(control.name, control.index)) +
                  ", \"x\": " + std::to_string(layout::Pixels(control.left + in_frame * frame.left)) +
                  ", \"y\": " + std::to_string(layout::Pixels(control.top + in_frame * frame.top)) +
                  ", \"width\": " + std::to_string(layout::Pixels(control.width)) +
                  ", \"height\": " + std::to_string(layout::Pixels(control.height)) + ", \"background\": " + background +
                  ", \"fontSize\": " + std::to_string(face.points * 96 / 72) + ", \"fontWeight\": " +
                  (face.bold ? "700" : "400") + ", \"phoneFontSize\": " + std::to_string(phone::PhonePixels(control.font)) +
                  "}";
    }
    return styles;
}

// The scenarios as JSON, a step at a time.
class Scenarios {
public:
    explicit Scenarios(NumberLocale locale) : locale_(std::move(locale)) {}

    void Start(const std::string& name) {
        page_ = std::make_unique<Page>(locale_);
        json_ += std::string(json_.empty() ? "" : "]},\n") + "{\"name\": " + Json(name) +
                 ", \"steps\": [{\"do\": [\"load\"], " + State(page_->calculator(), 0) + "}";
    }
    void Step(const std::string& verb, std::string id, std::string text) {
        if (verb == "clear" || verb == "restart" || verb == "pause") text = id = "";
        const std::size_t reports = page_->calculator().platform.reports.size();
        // A fresh page from the link, or from the circuit the ended page's address kept.
        if (verb == "restart" || verb == "reopen") {
            page_ = std::make_unique<Page>(locale_, CircuitLine(page_->calculator().fields.model));
        } else {
            page_->Play(verb, id, text);
        }
        std::string copied;
        const FieldSet& fields = page_->calculator().fields.model;
        if (verb == "copy" && id == "cmdCopySolution") {
            const WorkedSolution solution = SolveCircuit(fields);
            copied = ", \"copied\": [" + Json(SolutionText(solution)) + ", " + Json(SolutionHtml(solution)) + ", " +
                     Json(std::string(texts::kSolutionCopied)) + "]";
        } else if (verb == "copy") {
            const auto rows = CircuitTable(fields);
            copied = ", \"copied\": [" + Json(TabSeparated(rows)) + ", " + Json(HtmlTable(rows)) + ", " +
                     Json(std::string(texts::kCircuitCopied)) + "]";
        }
        const std::string solution = page_->SolutionOpen() ? Json(SolutionList(SolveCircuit(fields))) : "null";
        json_ += ",\n  {\"do\": [" + Json(verb) + ", " + Json(id) + ", " + Json(text) + "], " +
                 State(page_->calculator(), reports) + ", \"solution\": " + solution + copied + "}";
    }
    std::string Text() const { return json_ + "]}"; }

private:
    NumberLocale locale_;
    std::unique_ptr<Page> page_;
    std::string json_;
};

// The table's rows that the page plays: each typed into its entry, then left by Tab.
void TypedKeysScenario(Scenarios& scenarios) {
    scenarios.Start("typed key by key, as the table of typed keys has it");
    for (const auto& row : testing::kTypedKeys) {
        if (!row.on_page) continue;
        const std::string id = row.into == testing::Typed::current ? "txtIst" : "txtRs(1)";
        std::string keys = row.keys;
        if (keys.starts_with('\b')) {
            scenarios.Step("erase", id, "");
            scenarios.Step("keys", id, keys.substr(1));
        } else {
            scenarios.Step("type", id, keys);
        }
        scenarios.Step("tab", id, "");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quorvel_page_expectations SCENARIOS DECIMAL GROUP\n";
        return 2;
    }
    std::ifstream file(argv[1]);
    Scenarios scenarios(NumberLocale{argv[2], argv[3], ""});
    for (const testing::Scenario& scenario : testing::ReadScenarios(file)) {
        scenarios.Start(scenario.name);
        for (const testing::ScenarioStep& step : scenario.steps) scenarios.Step(step.verb, step.id, step.text);
    }
    TypedKeysScenario(scenarios);
    std::cout << "{\"tabOrder\": [" << TabOrder() << "],\n\"styles\": [" << Styles() << "],\n\"scenarios\": ["
              << scenarios.Text() << "]}\n";
}
