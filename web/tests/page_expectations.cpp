// Plays the page test's scenarios on the calculator without a window and
// prints, after each step, the text of every field by element id, the error
// report shown, whether the calculator has ended and the circuit its link
// holds, and after a copy what the clipboard takes; and the window's tab
// order, as JSON. Besides the scenarios of the file, one is made of the rows
// of the table of typed keys that the page plays too.
//     quorvel_page_expectations SCENARIOS DECIMAL GROUP

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
#include "frontend/window_layout.h"
#include "test_support/headless_calculator.h"
#include "test_support/typed_keys.h"
#include "test_support/typing.h"

namespace {

using namespace quorvel;
using testing::HeadlessCalculator;

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return out + "\"";
}

FieldElement FieldOf(const std::string& id) {
    if (const auto named = FieldNamed(id)) return *named;
    throw std::invalid_argument("no field " + id);
}

std::optional<FieldElement> EntryNamed(const std::string& id) {
    const auto named = FieldNamed(id);
    if (named && KindOf(named->field) == FieldKind::entry) return named;
    return std::nullopt;
}

// The page as the test drives it: the calculator, where the focus is, and
// how the user last left each entry, its caret or its whole text selected.
class Page {
public:
    explicit Page(const NumberLocale& locale) : calculator_(locale) { calculator_.events.Load(); }
    // Opened from a link: its circuit opened once loaded.
    Page(const NumberLocale& locale, const std::string& link) : Page(locale) {
        if (const auto circuit = ReadCircuit(link)) OpenCircuit(*circuit, calculator_.fields, calculator_.events);
    }

    void Play(const std::string& verb, const std::string& id, const std::string& text);
    const HeadlessCalculator& calculator() const { return calculator_; }
    bool SolutionOpen() const { return solution_open_; }

private:
    // The focus moves to the control: an entry it leaves is left.
    void Focus(const std::string& id) {
        if (id == focused_) return;
        if (const auto left = EntryNamed(focused_)) calculator_.events.LostFocus(left->field, left->index);
        focused_ = id;
    }

    // An entry as the page edits it: what is typed is held to the typed
    // limit, a paste is taken whole.
    testing::TypingEntry& Entry(Field entry, int index) {
        return entries_.try_emplace({entry, index}, calculator_.fields.model, entry, index).first->second;
    }

    HeadlessCalculator calculator_;
    std::string focused_ = "txtRs(0)";
    bool solution_open_ = false;
    std::map<std::pair<Field, int>, testing::TypingEntry> entries_;
};

void Page::Play(const std::string& verb, const std::string& id, const std::string& text) {
    if (verb == "clear") {
        Focus("cmdClear");
        return calculator_.events.ClearClick();
    }
    if (verb == "solution") {  // its section opened by a click, which takes the focus
        Focus("solution");
        solution_open_ = true;
        return;
    }
    if (verb == "pause") return calculator_.Pause();
    if (verb == "copy") {  // by the button, which takes the focus, or by the keys, which leave it
        if (id != "-") Focus(id);
        return;
    }
    if (verb == "tab") {
        const auto order = layout::TabOrder();
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            if (ControlName(order[i]->name, order[i]->index) == id) return Focus(ControlName(order[i + 1]->name, order[i + 1]->index));
        }
        return;
    }
    if (verb == "early") {  // before the calculator started: no event, the focus where it was put
        focused_ = id;
        if (id == "cmdClear") return calculator_.events.ClearClick();  // clicked, in its turn
    } else if (verb != "keys" && verb != "layout") {
        Focus(id);
    }
    if (verb == "escape") return calculator_.events.KeyPress(kEscape);
    if (verb == "key") {  // "ArrowUp" or "Control+ArrowDown"; a step leaves the entry's text selected
        const auto [field, index] = FieldOf(id);
        const std::string before = calculator_.fields.model.Text(field, index);
        const std::int16_t shift = text.starts_with("Control") ? kCtrlMask : 0;
        calculator_.events.KeyDown(field, index, text.ends_with("Up") ? kKeyUp : kKeyDown, shift);
        if (calculator_.fields.model.Text(field, index) != before) Entry(field, index).SelectAll();
        return;
    }
    if (verb == "select" || verb == "list" || verb == "layout") return;  // moves no text
    const auto [field, index] = FieldOf(id);
    if (verb == "pick") return calculator_.fields.model.SetText(field, index, text);
    if (KindOf(field) != FieldKind::entry) return;
    testing::TypingEntry& entry = Entry(field, index);
    // A click into an entry that holds only its default selects it, before
    // the calculator started too.
    if (verb == "focus" || verb == "early" || verb == "press") {
        if (calculator_.fields.model.Text(field, index) == layout::ControlOf(field, index).text) entry.SelectAll();
        if (verb == "focus") return;
    }
    if (verb == "paste") return entry.Paste(text);
    // A key at a time.
    if (verb == "type" || verb == "erase") entry.SelectAll();
    if (verb == "home") entry.Home();
    entry.TypeKeys(verb == "erase" ? "\b" : text);
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
            copied = ", \"copied\": [" + Json(SolutionText(solution)) + ", " + Json(SolutionHtml(solution)) +
                     ", \"Rezolvarea a fost copiată.\"]";
        } else if (verb == "copy") {
            const auto rows = CircuitTable(fields);
            copied = ", \"copied\": [" + Json(TabSeparated(rows)) + ", " + Json(HtmlTable(rows)) +
                     ", \"Circuitul a fost copiat ca tabel.\"]";
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

// A step's text with each "<C*N>" written out: the character C N times.
std::string Expanded(std::string text) {
    for (auto open = text.find('<'); open != std::string::npos; open = text.find('<', open)) {
        const auto close = text.find('>', open);
        if (close == std::string::npos || text.compare(open + 2, 1, "*") != 0) break;
        const std::size_t times = std::stoul(text.substr(open + 3, close - open - 3));
        text.replace(open, close + 1 - open, std::string(times, text[open + 1]));
        open += times;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quorvel_page_expectations SCENARIOS DECIMAL GROUP\n";
        return 2;
    }
    std::ifstream file(argv[1]);
    Scenarios scenarios(NumberLocale{argv[2], argv[3], ""});
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string verb, id, text;
        words >> verb >> id >> text;
        if (verb.empty() || verb[0] == '#') continue;
        if (verb == "scenario") {
            scenarios.Start(line.substr(9));
        } else {
            scenarios.Step(verb, id, Expanded(text));
        }
    }
    TypedKeysScenario(scenarios);
    std::cout << "{\"tabOrder\": [" << TabOrder() << "],\n\"scenarios\": [" << scenarios.Text() << "]}\n";
}
