#pragma once

// The calculator without a window, for tests: a field model bound to the
// event handlers, with a platform that records what happens to it.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/control_name.h"
#include "calc/fields.h"
#include "test_support/field_texts.h"
#include "test_support/locales.h"
#include "test_support/recording_fields.h"
#include "events/dispatcher.h"

namespace quorvel::testing {

class RecordingPlatform : public Platform {
public:
    void End() override { ++ends; }
    void ReportError(const RuntimeError& error) override { reports.emplace_back(error.number(), error.what()); }

    int ends = 0;
    std::vector<std::pair<int, std::string>> reports;
};

// A field set that records its writes and counts recalculations:
// Recalculate reads the current's unit once per call, and nothing else reads it.
class CountingFields : public RecordingFields {
public:
    using RecordingFields::RecordingFields;

    std::vector<std::string> CurrentInputs() const { return InputTexts(model); }
    // The writes into entries and choosers, as "txtRs(0)=0".
    std::vector<std::string> InputWrites() const {
        std::vector<std::string> texts;
        for (const Write& write : writes) {
            if (!IsComputed(write.field)) texts.push_back(ControlName(write.field, write.index) + "=" + write.text);
        }
        return texts;
    }

    std::string Text(Field field, int index = 0) const override {
        if (field == Field::cboIst) {
            ++recalculations;
            seen_by_recalculations.push_back(CurrentInputs());
        }
        return model.Text(field, index);
    }

    void Forget() {
        recalculations = 0;
        seen_by_recalculations.clear();
        writes.clear();
    }

    mutable int recalculations = 0;
    mutable std::vector<std::vector<std::string>> seen_by_recalculations;  // the inputs each one saw
};

// A text cut into the characters a key types: UTF-8 sequences, and any
// other byte alone.
inline std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) length = 1;
        }
        characters.emplace_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

class HeadlessCalculator {
public:
    explicit HeadlessCalculator(NumberLocale locale = kDotLocale) : fields(std::move(locale)), events(fields, platform) {
        BindEvents(fields.model, events);
    }

    // The user's own edits and picks: straight into the model, as typing does.
    void Type(Field entry, int index, const std::string& text) { fields.model.SetText(entry, index, text); }
    struct Keystroke {
        std::string typed;  // the entry's text as the key left it
        std::string shown;  // and as the program left it after
    };
    // The entry's text selected, then keys typed one at a time, "\b" for
    // Backspace; where the program writes the entry's default in place of
    // what is no number, the default stands selected for the next key.
    std::vector<Keystroke> TypeKeys(Field entry, int index, std::string_view keys) {
        std::vector<Keystroke> keystrokes;
        bool selected = true;
        for (const std::string& key : Characters(keys)) {
            std::string typed = selected ? std::string() : fields.model.Text(entry, index);
            if (key != "\b") {
                typed += key;
            } else if (!typed.empty()) {
                typed.erase(typed.size() - Characters(typed).back().size());
            }
            Type(entry, index, typed);
            keystrokes.push_back({typed, fields.model.Text(entry, index)});
            selected = keystrokes.back().shown != typed && keystrokes.back().shown == "0";
        }
        return keystrokes;
    }
    void Pick(Field chooser, int index, int item) {
        fields.model.SetText(chooser, index, fields.model.ListItem(chooser, index, item));
    }

    // Every result with its unit.
    std::vector<std::string> Results() const { return ResultTexts(fields.model); }

    // What one recalculation computes from the inputs as they stand now.
    std::vector<std::string> ExpectedResults() const {
        return RecalculateInputsOf(fields.model, fields.model.Locale()).results;
    }

    CountingFields fields;
    RecordingPlatform platform;
    EventDispatcher events;
};

}  // namespace quorvel::testing
