#pragma once

// The field set of a front end, over its controls. Entries and choosers are
// the only store of their texts. A recalculation writes most results several
// times (running totals, raw values, then scaled ones): results and units are
// held while an event runs, and each box whose text or unit changed is
// written once, when the event ends. A front end supplies only how its
// controls are read and written.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "events/event_scope.h"

namespace quorvel {

class HeldFieldSet : public FieldSet, public EventScope {
public:
    // Raises the handler of an entry or a chooser after every write that
    // changed its text, as the user's edit or pick would.
    void OnChange(std::function<void(Field field, int index)> handler) { on_change_ = std::move(handler); }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const final;
    void SetText(Field field, int index, const std::string& text) final;
    // Read once per event, and kept for what follows it until the next
    // begins: every toolkit tells of a change of the settings by an event
    // of its own, which waits for the running one. A browser builds its
    // number format afresh at each reading, which costs a keystroke more
    // than all the rest of it.
    NumberLocale Locale() const final;

    void EventBegins() final;
    void EventEnds() final;  // writes each result whose text or unit changed

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
    virtual NumberLocale ReadLocale() const = 0;

private:
    void WriteHeldResults();

    struct Held {
        std::string shown;  // what its box shows
        std::string held;   // written while an event runs, not shown yet
        bool is_held = false;
        const std::string& Current() const { return is_held ? held : shown; }
    };

    PerElement<Held> results_;
    std::function<void(Field field, int index)> on_change_;
    bool in_event_ = false;
    mutable std::optional<NumberLocale> locale_;  // as the last event found them, until the next begins
};

}  // namespace quorvel
