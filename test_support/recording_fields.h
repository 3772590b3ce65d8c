#pragma once

#include <string>
#include <vector>

#include "calc/fields.h"
#include "test_support/locales.h"

namespace quorvel::testing {

// A field model that remembers every write made to it, in order.
class RecordingFields : public FieldSet {
public:
    explicit RecordingFields(NumberLocale locale = kDotLocale) : model(std::move(locale)) {}

    struct Write {
        Field field;
        int index;
        std::string text;
    };

    // The texts written into one field, in order.
    std::vector<std::string> WritesTo(Field field, int index = 0) const {
        std::vector<std::string> texts;
        for (const auto& write : writes) {
            if (write.field == field && write.index == index) texts.push_back(write.text);
        }
        return texts;
    }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override { return model.Text(field, index); }
    void SetText(Field field, int index, const std::string& text) override {
        writes.push_back({field, index, text});
        model.SetText(field, index, text);
    }
    std::string ListItem(Field chooser, int index, int item) const override {
        return model.ListItem(chooser, index, item);
    }
    NumberLocale Locale() const override { return model.Locale(); }

    FieldModel model;
    std::vector<Write> writes;
};

}  // namespace quorvel::testing
