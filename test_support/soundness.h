#pragma once

// What must hold of the calculator whatever the user did: one check for the
// property tests, the monkey and the fuzz target.

#include <string>
#include <utility>
#include <vector>

#include "calc/fields.h"
#include "calc/units.h"
#include "frontend/control_name.h"
#include "number/entry_text.h"
#include "number/runtime_error.h"
#include "test_support/field_texts.h"
#include "test_support/headless_calculator.h"

namespace quorvel::testing {

// "inf" or "nan" in any case, as a number writer that let one through would spell it.
inline bool ShowsInfinity(const std::string& text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const std::string word{static_cast<char>(text[i] | 0x20), static_cast<char>(text[i + 1] | 0x20),
                               static_cast<char>(text[i + 2] | 0x20)};
        if (word == "inf" || word == "nan") return true;
    }
    return false;
}

inline std::string Joined(const std::vector<std::string>& texts) {
    std::string joined = "\"";
    for (std::size_t i = 0; i < texts.size(); ++i) joined += (i ? "|" : "") + texts[i];
    return joined + '"';
}

// What is wrong with the fields as the calculator left them, or "" where
// nothing is: each entry holds a number or one on its way and never counts
// below zero, no field shows an infinity, the results are what one
// recalculation computes from the inputs, and of the errors reported (number
// and text) none but an overflow and a text read as no number.
inline std::string Unsoundness(const FieldSet& fields, const std::vector<std::pair<int, std::string>>& reports = {}) {
    const NumberLocale locale = fields.Locale();
    for (Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const std::string text = fields.Text(entry, i);
            const EntryText read = ReadEntry(text, locale, QuantityOf(entry));
            if (read.reading != EntryReading::number && read.reading != EntryReading::beginning) {
                return ControlName(entry, i) + " holds no number: \"" + text + '"';
            }
            if (read.negative) return ControlName(entry, i) + " counts below zero: \"" + text + '"';
        }
    }
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            if (ShowsInfinity(fields.Text(field, i))) return ControlName(field, i) + " shows \"" + fields.Text(field, i) + '"';
        }
    }
    const std::vector<std::string> results = ResultTexts(fields);
    const std::vector<std::string> expected = RecalculateInputsOf(fields, locale).results;
    if (results != expected) return "results " + Joined(results) + ", recalculated " + Joined(expected);
    for (const auto& [number, what] : reports) {
        if (number != kOverflowError && number != kTypeMismatchError) return "error " + std::to_string(number) + " reported";
    }
    return "";
}

// What differs between a number typed a key at a time into the current's
// entry and the same text pasted, or "": each beginning stays as typed (but
// for a negative one, which turns positive), nothing is told, and the whole
// counts as the paste does, in the same unit. Passed over: a text that is no
// number, and one that reads too large on the way, which is told and zeroed.
inline std::string TypedUnlikePasted(const std::string& text, const NumberLocale& locale) {
    if (ReadEntry(text, locale, Quantity::current).reading != EntryReading::number) return "";
    HeadlessCalculator keys(locale);
    keys.events.Load();
    for (const auto& [typed, shown] : keys.TypeKeys(Field::txtIst, 0, text)) {
        const EntryText read = ReadEntry(typed, locale, Quantity::current);
        if (read.reading == EntryReading::too_large) return "";
        if (shown != typed && !read.negative) return "\"" + typed + "\" became \"" + shown + '"';
    }
    if (!keys.platform.reports.empty()) return "error " + std::to_string(keys.platform.reports[0].first) + " reported";
    HeadlessCalculator pasted(locale);
    pasted.events.Load();
    pasted.Type(Field::txtIst, 0, text);
    if (keys.Results() != pasted.Results()) return "results " + Joined(keys.Results()) + ", pasted " + Joined(pasted.Results());
    const std::string unit = keys.fields.model.Text(Field::cboIst);
    if (unit != pasted.fields.model.Text(Field::cboIst)) return "in " + unit + ", pasted in " + pasted.fields.model.Text(Field::cboIst);
    return "";
}

}  // namespace quorvel::testing
