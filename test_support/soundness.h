#pragma once

// What must hold of the calculator's fields after any event, whatever the
// user did: one check for the property tests, the monkey and the fuzz target.

#include <string>
#include <utility>
#include <vector>

#include "calc/fields.h"
#include "calc/units.h"
#include "frontend/control_name.h"
#include "number/entry_text.h"
#include "number/runtime_error.h"
#include "test_support/field_texts.h"

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

}  // namespace quorvel::testing
