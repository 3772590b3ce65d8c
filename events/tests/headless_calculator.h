#pragma once

// The calculator without a window, for tests: a field model bound to the
// event handlers, with a platform that records what happens to it.

#include <string>
#include <utility>
#include <vector>

#include "calc/fields.h"
#include "calc/tests/field_texts.h"
#include "calc/tests/locales.h"
#include "events/dispatcher.h"
#include "events/window_layout.h"

namespace quorvel::testing {

class RecordingPlatform : public Platform {
public:
    void End() override { ++ends; }
    void ReportError(const RuntimeError& error) override { reports.emplace_back(error.number(), error.what()); }

    int ends = 0;
    std::vector<std::pair<int, std::string>> reports;
};

// The inputs as they stand: four entries and choosers, then the current's.
struct Inputs {
    std::vector<std::string> texts;
    bool operator==(const Inputs&) const = default;
};

// A field set over a model that counts recalculations: Recalculate reads the
// current's unit once per call, and nothing else reads it.
class CountingFields : public FieldSet {
public:
    explicit CountingFields(NumberLocale locale) : model(std::move(locale)) {}

    Inputs CurrentInputs() const {
        Inputs inputs;
        for (int i = 0; i < kResistorCount; ++i) {
            inputs.texts.push_back(model.Text(Field::txtRs, i));
            inputs.texts.push_back(model.Text(Field::cboRs, i));
        }
        inputs.texts.push_back(model.Text(Field::txtIst));
        inputs.texts.push_back(model.Text(Field::cboIst));
        return inputs;
    }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override {
        if (field == Field::cboIst) {
            ++recalculations;
            seen_by_recalculations.push_back(CurrentInputs());
        }
        return model.Text(field, index);
    }
    void SetText(Field field, int index, const std::string& text) override {
        if (KindOf(field) == FieldKind::entry || KindOf(field) == FieldKind::chooser) {
            writes.push_back(layout::ControlName(NameOf(field), CountOf(field) > 1 ? index : -1) + "=" + text);
        }
        model.SetText(field, index, text);
    }
    std::string ListItem(Field chooser, int index, int item) const override {
        return model.ListItem(chooser, index, item);
    }
    NumberLocale Locale() const override { return model.Locale(); }

    void Forget() {
        recalculations = 0;
        seen_by_recalculations.clear();
        writes.clear();
    }

    FieldModel model;
    mutable int recalculations = 0;
    mutable std::vector<Inputs> seen_by_recalculations;
    std::vector<std::string> writes;  // "txtRs(0)=0": writes into entries and choosers
};

class HeadlessCalculator {
public:
    explicit HeadlessCalculator(NumberLocale locale = kDotLocale) : fields(std::move(locale)), events(fields, platform) {
        BindEvents(fields.model, events);
    }

    // The user's own edits and picks: straight into the model, as typing does.
    void Type(Field entry, int index, const std::string& text) { fields.model.SetText(entry, index, text); }
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
