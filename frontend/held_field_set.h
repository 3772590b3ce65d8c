#pragma once

// The field set of a front end, over its controls. Entries and choosers are
// the only store of their texts. A recalculation writes most results several
// times (running totals, raw values, then scaled ones): results and units are
// held while an event runs, and each box whose text or unit changed is
// written once, when the event ends. A front end supplies only how its
// controls are read and written.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "events/event_scope.h"
#include "frontend/entry_description.h"

namespace quorvel {

class HeldFieldSet : public FieldSet, public EventScope {
public:
    // Raises the handler of an entry or a chooser after every write that
    // changed its text, as the user's edit or pick would.
    void OnChange(std::function<void(Field field, int index)> handler) { on_change_ = std::move(handler); }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const final;
    void SetText(Field field, int index, const std::string& text) final;
    // Read once per event: every toolkit tells of a change of the settings
    // by an event of its own, which waits for the running one.
    NumberLocale Locale() const final;

    void EventBegins() final;
    // Writes each result whose text or unit changed, and describes again
    // each resistor entry whose text or unit changed.
    void EventEnds() final;

protected:
    HeldFieldSet();  // every result and unit shows its creation text

    struct ChangedResult {
        Field value;
        int index;
        std::string_view text;
        std::string_view unit;
    };
    virtual std::string ControlText(Field input, int index) const = 0;  // an entry's or a chooser's
    // Writes an entry or picks a chooser's item; false where it held that text already.
    virtual bool WriteControl(Field input, int index, const std::string& text) = 0;
    // The default written in place of what was no number, selected where
    // the user is typing, so that the next key replaces it.
    virtual void SelectDefault(Field entry, int index) = 0;
    virtual void WriteResultBoxes(const std::vector<ChangedResult>& results) = 0;  // each box once
    // What a screen reader says of a resistor entry's value, and its tooltip.
    virtual void DescribeEntry(int index, const EntryDescription& description) = 0;
    virtual NumberLocale ReadLocale() const = 0;

private:
    void WriteHeldResults();
    void DescribeResistors();

    struct Held {
        std::string shown;  // what its box shows
        std::string held;   // written while an event runs, not shown yet
        bool is_held = false;
        const std::string& Current() const { return is_held ? held : shown; }
    };

    PerElement<Held> results_;
    std::function<void(Field field, int index)> on_change_;
    bool in_event_ = false;
    mutable std::optional<NumberLocale> locale_;  // as the running event found them
    std::array<std::string, kResistorCount> described_;  // each resistor's text, unit and decimal point as described
    // The event has read or written a resistor's entry or chooser, as every
    // event that changes one does.
    mutable bool resistors_met_ = false;
};

}  // namespace quorvel
