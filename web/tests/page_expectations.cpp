// Plays the page test's scenarios on the calculator without a window and
// prints, after each step, the text of every field by element id, the error
// report shown and whether the calculator has ended; and the window's tab
// order, as JSON:
//     quorvel_page_expectations SCENARIOS DECIMAL GROUP

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "events/handlers.h"
#include "test_support/headless_calculator.h"
#include "frontend/error_message.h"
#include "frontend/typed_limit.h"
#include "frontend/window_layout.h"

namespace {

using namespace quorvel;
using testing::HeadlessCalculator;

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out + "\"";
}

FieldElement FieldOf(const std::string& id) {
    if (const auto named = FieldNamed(id)) return *named;
    throw std::invalid_argument("no field " + id);
}

// An edit as the page takes it: the typed limit first, and nothing happens
// to a refused one.
void Edit(HeadlessCalculator& calculator, Field entry, int index, const std::u16string& text, int caret) {
    const auto& before = calculator.fields.model.Text(entry, index);
    const int limit = layout::ControlOf(entry, index).max_typed;
    const std::u16string before16(before.begin(), before.end());  // entries hold ASCII here
    const auto kept = limit ? LimitTyped(before16, {text, caret}, limit) : TypedText{text, caret};
    if (kept) calculator.Type(entry, index, std::string(kept->text.begin(), kept->text.end()));
}

// Where the caret of each entry stands after the step before: -1 while its
// whole text is selected.
std::map<std::pair<Field, int>, int> carets;

void Play(HeadlessCalculator& calculator, const std::string& verb, const std::string& id, const std::string& text) {
    if (verb == "clear") return calculator.events.ClearClick();
    if (verb == "escape") return calculator.events.KeyPress(kEscape);
    if (verb == "focus" || verb == "select" || verb == "list" || verb == "layout") return;  // moves no text
    const auto [field, index] = FieldOf(id);
    if (verb == "pick") return calculator.fields.model.SetText(field, index, text);
    const std::u16string typed(text.begin(), text.end());
    // The program's write leaves the caret at the end, and its "0" in place
    // of what was no number selected.
    int& caret = carets[{field, index}];
    const auto caret_after = [&](const std::u16string& edited) {
        const std::string after = calculator.fields.model.Text(field, index);
        if (after != std::string(edited.begin(), edited.end())) caret = after == "0" ? -1 : static_cast<int>(after.size());
    };
    // What was typed before the calculator started counts as pasted once it has.
    if (verb == "paste" || verb == "early") {
        caret = static_cast<int>(typed.size());
        Edit(calculator, field, index, typed, caret);
        return caret_after(typed);
    }
    // A key at a time.
    if (verb == "type" || verb == "erase") caret = -1;  // the whole text selected first
    if (verb == "home") caret = 0;
    const std::u16string keys = verb == "erase" ? std::u16string(1, u'\b') : typed;
    for (const char16_t c : keys) {
        const std::string now = calculator.fields.model.Text(field, index);
        std::u16string edited(now.begin(), now.end());
        if (caret < 0) {  // the key replaces the selected text
            edited.clear();
            caret = 0;
        }
        if (c != u'\b') {
            edited.insert(static_cast<std::size_t>(caret++), 1, c);
        } else if (caret > 0) {
            edited.erase(static_cast<std::size_t>(--caret), 1);
        }
        Edit(calculator, field, index, edited, caret);
        caret_after(edited);
    }
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
    const auto& reports = calculator.platform.reports;
    const std::string report = reports.size() > reports_before
                                   ? Json(ErrorMessage(RuntimeError(reports.back().first, reports.back().second)))
                                   : "null";
    return "\"fields\": {" + fields + "}, \"report\": " + report +
           ", \"ended\": " + (calculator.platform.ends ? "true" : "false");
}

// The ids of the controls that take the focus, in the window's tab order.
std::string TabOrder() {
    std::string ids;
    for (const auto* control : layout::TabOrder()) {
        ids += (ids.empty() ? "" : ", ") + Json(ControlName(control->name, control->index));
    }
    return ids;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quorvel_page_expectations SCENARIOS DECIMAL GROUP\n";
        return 2;
    }
    std::ifstream scenarios(argv[1]);
    const NumberLocale locale{argv[2], argv[3], ""};
    std::unique_ptr<HeadlessCalculator> calculator;
    const auto start = [&] {
        calculator = std::make_unique<HeadlessCalculator>(locale);
        calculator->events.Load();
    };
    std::string json, line;
    while (std::getline(scenarios, line)) {
        std::istringstream words(line);
        std::string verb, id, text;
        words >> verb >> id >> text;
        if (verb.empty() || verb[0] == '#') continue;
        if (verb == "scenario") {
            start();
            carets.clear();
            json += std::string(json.empty() ? "" : "]},\n") + "{\"name\": " + Json(line.substr(9)) +
                    ", \"steps\": [{\"do\": [\"load\"], " + State(*calculator, 0) + "}";
            continue;
        }
        if (verb == "clear" || verb == "restart") text = id = "";
        if (verb == "restart" || verb == "escape") carets.clear();
        const std::size_t reports = calculator->platform.reports.size();
        if (verb == "restart") {
            start();
        } else {
            Play(*calculator, verb, id, text);
        }
        json += ",\n  {\"do\": [" + Json(verb) + ", " + Json(id) + ", " + Json(text) + "], " +
                State(*calculator, reports) + "}";
    }
    std::cout << "{\"tabOrder\": [" << TabOrder() << "],\n\"scenarios\": [" << json << "]}]}\n";
}
