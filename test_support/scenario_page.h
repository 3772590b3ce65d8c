#pragma once

// The scenarios that the page test and the Windows program's driver play
// on their front ends (web/tests/scenarios.txt), read, and played on the
// calculator without a window for the texts to expect after each step.

#include <istream>
#include <sstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "events/handlers.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_text.h"
#include "frontend/control_name.h"
#include "frontend/window_layout.h"
#include "test_support/headless_calculator.h"
#include "test_support/typing.h"

namespace quorvel::testing {

inline FieldElement FieldOf(const std::string& id) {
    if (const auto named = FieldNamed(id)) return *named;
    throw std::invalid_argument("no field " + id);
}

inline std::optional<FieldElement> EntryNamed(const std::string& id) {
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

inline void Page::Play(const std::string& verb, const std::string& id, const std::string& text) {
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

// A step's text with each "<C*N>" written out: the character C N times.
inline std::string Expanded(std::string text) {
    for (auto open = text.find('<'); open != std::string::npos; open = text.find('<', open)) {
        const auto close = text.find('>', open);
        if (close == std::string::npos || text.compare(open + 2, 1, "*") != 0) break;
        const std::size_t times = std::stoul(text.substr(open + 3, close - open - 3));
        text.replace(open, close + 1 - open, std::string(times, text[open + 1]));
        open += times;
    }
    return text;
}

struct ScenarioStep {
    std::string verb, id, text;  // the text with each "<C*N>" written out
};

struct Scenario {
    std::string name;
    std::vector<ScenarioStep> steps;
};

// The scenarios of the file, one step a line.
inline std::vector<Scenario> ReadScenarios(std::istream& file) {
    std::vector<Scenario> scenarios;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string verb, id, text;
        words >> verb >> id >> text;
        if (verb.empty() || verb[0] == '#') continue;
        if (verb == "scenario") {
            scenarios.push_back({line.substr(9), {}});
        } else if (!scenarios.empty()) {
            scenarios.back().steps.push_back({verb, id, Expanded(text)});
        }
    }
    return scenarios;
}

}  // namespace quorvel::testing
