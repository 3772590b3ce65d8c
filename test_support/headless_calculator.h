#pragma once

// The calculator without a window, for tests: a field model bound to the
// event handlers, with a platform that records what happens to it.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/control_name.h"
#include "frontend/window_layout.h"
#include "calc/fields.h"
#include "test_support/field_texts.h"
#include "test_support/locales.h"
#include "test_support/recording_fields.h"
#include "test_support/typing.h"
#include "events/dispatcher.h"

namespace quorvel::testing {

// Its clock is the test's: time goes by only when the test says so.
class RecordingPlatform : public Platform {
public:
    void End() override { ++ends; }
    void ReportError(const RuntimeError& error) override { reports.emplace_back(error.number(), error.what()); }
    void AwaitPause(std::chrono::milliseconds pause) override { pause_ends = now + pause; }

    int ends = 0;
    std::vector<std::pair<int, std::string>> reports;
    std::chrono::milliseconds now{0};
    std::optional<std::chrono::milliseconds> pause_ends;
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

class HeadlessCalculator {
public:
    explicit HeadlessCalculator(NumberLocale locale = kDotLocale) : fields(std::move(locale)), events(fields, platform) {
        BindEvents(fields.model, events);
    }

    // The user's own edits and picks: straight into the model, as typing does.
    void Type(Field entry, int index, const std::string& text) { fields.model.SetText(entry, index, text); }
    // The entry's text selected, then keys typed one at a time, "\b" for
    // Backspace, held to the entry's typed limit as the window holds them.
    std::vector<Keystroke> TypeKeys(Field entry, int index, std::string_view keys) {
        TypingEntry typing(fields.model, entry, index);
        typing.SelectAll();
        return typing.TypeKeys(keys);
    }
    void Pick(Field chooser, int index, int item) {
        fields.model.SetText(chooser, index, fields.model.ListItem(chooser, index, item));
    }

    // Time goes by without a key; a pause awaited for that long ends.
    void Wait(std::chrono::milliseconds time) {
        platform.now += time;
        if (!platform.pause_ends || platform.now < *platform.pause_ends) return;
        platform.pause_ends.reset();
        events.Paused();
    }
    void Pause() { Wait(kTypingPause); }

    // Every result with its unit.
    std::vector<std::string> Results() const { return ResultTexts(fields.model); }

    std::vector<std::string> ExpectedResults() const { return testing::ExpectedResults(fields.model); }

    CountingFields fields;
    RecordingPlatform platform;
    EventDispatcher events;
};

}  // namespace quorvel::testing
