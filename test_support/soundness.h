#pragma once

// What must hold of the calculator whatever the user did: one check for the
// property tests, the monkey and the fuzz target.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/entry_value.h"
#include "calc/units.h"
#include "frontend/control_name.h"
#include "frontend/error_message.h"
#include "number/entry_text.h"
#include "number/runtime_error.h"
#include "test_support/field_texts.h"
#include "test_support/headless_calculator.h"

namespace quorvel::testing {

// Text that shows as it stands: no control character but line feeds.
inline bool Shown(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7F; });
}

inline std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const auto& text : texts) joined += "|" + text;
    return joined;
}

// What is wrong with the fields as the calculator left them, or "": each
// entry holds a number or one on its way and never counts below zero, no
// field shows "inf" or "nan" in any case, the results are what one
// recalculation computes from the inputs, and no error was reported but an
// overflow, a text read as no number and the calculator's own report of a
// circuit's parts, in texts that hold no control character but line feeds.
inline std::string Unsoundness(const FieldSet& fields, const std::vector<std::pair<int, std::string>>& reports = {}) {
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            std::string text = fields.Text(field, i);
            const std::string what = ControlName(field, i) + " holds " + text;
            if (field == Field::txtRs || field == Field::txtIst) {
                const EntryText read = ReadEntry(text, fields.Locale(), QuantityOf(field));
                if (read.reading != EntryReading::number && read.reading != EntryReading::beginning) return what;
                if (read.negative) return what + ", below zero";
            }
            for (char& c : text) c |= 0x20;
            if (text.find("inf") != text.npos || text.find("nan") != text.npos) return what;
        }
    }
    if (ResultTexts(fields) != ExpectedResults(fields)) {
        return "results " + Joined(ResultTexts(fields)) + " for " + Joined(ExpectedResults(fields));
    }
    for (const auto& [number, what] : reports) {
        if (number != kOverflowError && number != kTypeMismatchError && number != kOwnReport) {
            return "error " + std::to_string(number);
        }
        if (!Shown(what)) return "a report holds a control character: " + what;
    }
    return "";
}

// A user's action: a text typed into one of the five entries, an item picked
// in one of the five choosers (the fifth the current's), or the clear pressed.
struct Action {
    enum { type, pick, clear } kind;
    int which = 0;
    std::string text = {};
    int item = 0;
};

// What is wrong once the calculator has done the action, as Unsoundness
// says; besides, one press of the clear, from any state, brings back the
// defaults and tells nothing.
inline std::string UnsoundAfter(HeadlessCalculator& calculator, const Action& action) {
    const bool resistor = action.which < kResistorCount;
    const int index = resistor ? action.which : 0;
    const std::size_t reports = calculator.platform.reports.size();
    if (action.kind == Action::type) calculator.Type(resistor ? Field::txtRs : Field::txtIst, index, action.text);
    if (action.kind == Action::pick) calculator.Pick(resistor ? Field::cboRs : Field::cboIst, index, action.item);
    if (action.kind == Action::clear) {
        calculator.events.ClearClick();
        const auto inputs = calculator.fields.CurrentInputs();
        if (inputs != kDefaultInputs) return "cleared to " + Joined(inputs);
        if (calculator.platform.reports.size() != reports) return "the clear told of an error";
    }
    return Unsoundness(calculator.fields.model, calculator.platform.reports);
}

// Too large for the entry, which loses it: beyond the double range, or a
// letter's value beyond its chooser's unit.
inline bool TooLargeForTheEntry(const EntryText& read, Field entry) {
    if (read.reading == EntryReading::too_large) return true;
    try {
        if (read.steps) InLettersItem(entry, read);
    } catch (const OverflowError&) {
        return true;
    }
    return false;
}

// What differs between a number typed a key at a time into the current's
// entry and the same text pasted, or "": each beginning stays as typed (but
// for a negative number, which becomes its positive value as the system
// writes numbers), nothing is told, and the whole counts as the paste does,
// in the same unit. Passed over: a text that is no number, and one that
// reads too large on the way, which is told and zeroed.
inline std::string TypedUnlikePasted(const std::string& text, const NumberLocale& locale) {
    if (ReadEntry(text, locale, Quantity::current).reading != EntryReading::number) return "";
    HeadlessCalculator keys(locale), pasted(locale);
    keys.events.Load();
    for (const auto& [typed, shown] : keys.TypeKeys(Field::txtIst, 0, text)) {
        const EntryText read = ReadEntry(typed, locale, Quantity::current);
        if (TooLargeForTheEntry(read, Field::txtIst)) return "";
        if (shown != typed && !read.negative) return typed + " became " + shown;
    }
    if (!keys.platform.reports.empty()) return "error " + std::to_string(keys.platform.reports[0].first);
    pasted.events.Load();
    pasted.Type(Field::txtIst, 0, text);
    if (keys.Results() != pasted.Results()) return "results " + Joined(keys.Results()) + ", " + Joined(pasted.Results());
    if (keys.fields.model.Text(Field::cboIst) != pasted.fields.model.Text(Field::cboIst)) return "another unit";
    return "";
}

}  // namespace quorvel::testing
