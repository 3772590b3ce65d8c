#pragma once

// The field set of a front end, over its controls. Entries and choosers are
// the only store of their texts. A recalculation writes most results several
// times (running totals, raw values, then scaled ones): results and units are
// held while an event runs, and each box whose text or unit changed is
// written once, when the outermost event is over. A front end supplies only
// how its controls are read and written.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"

namespace quorvel {

class HeldFieldSet : public FieldSet {
public:
    using ChangeHandler = std::function<void(Field field, int index)>;

    // Called, as an event, after every write that changed the text of an
    // entry or a chooser, as the user's edit or pick would be.
    void OnChange(ChangeHandler handler) { on_change_ = std::move(handler); }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const final;
    void SetText(Field field, int index, const std::string& text) final;
    // Read once per event: the settings cannot change while one runs, as
    // every toolkit tells of their change by an event of its own.
    NumberLocale Locale() const final;

    // Runs one event of the front end. Nested events run straight through;
    // once the outermost is over, what it held is shown.
    template <class Event>
    void RunEvent(Event&& event);
    // Shows each result whose text or unit changed since it was shown: when
    // an event is over, or before a report covers the calculator.
    void ShowHeld();

protected:
    HeldFieldSet();  // every result and unit shows its creation text

    struct ShownResult {
        Field value;
        int index;
        std::string_view text;
        std::string_view unit;
    };
    virtual std::string ControlText(Field input, int index) const = 0;  // an entry's or a chooser's
    // Writes an entry or picks a chooser's item; false where it holds that text already.
    virtual bool WriteControl(Field input, int index, const std::string& text) = 0;
    // The default written in place of what was no number: selected where
    // the user is typing, so that the next key replaces it.
    virtual void SelectDefault(Field entry, int index) = 0;
    // Writes the boxes of the results whose text or unit changed, each once.
    virtual void ShowResults(const std::vector<ShownResult>& results) = 0;
    virtual NumberLocale ReadLocale() const = 0;

private:
    // A result or unit text: what its box shows, and what was written while
    // an event runs and is not shown yet.
    struct Held {
        std::string shown;
        std::string held;
        bool is_held = false;
        const std::string& Current() const { return is_held ? held : shown; }
    };
    Held& Slot(Field field, int index);
    const Held& Slot(Field field, int index) const;

    std::array<std::array<Held, kResistorCount>, kFieldCount> results_;
    ChangeHandler on_change_;
    int depth_ = 0;  // events running, nested ones included
    mutable std::optional<NumberLocale> locale_;  // the settings as the running event found them
};

template <class Event>
void HeldFieldSet::RunEvent(Event&& event) {
    struct Depth {
        int& depth;
        ~Depth() { --depth; }
    };
    if (depth_ == 0) locale_.reset();
    {
        const Depth running{++depth_};
        event();
    }
    if (depth_ == 0) ShowHeld();
}

}  // namespace quorvel
