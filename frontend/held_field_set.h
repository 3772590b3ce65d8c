#pragma once

// The calculator's field set over a window's controls (frontend/window_logic.h
// owns it). It holds the texts the controls show: an entry's or a chooser's
// as the user or a handler last changed it, a result's as it is shown. A
// recalculation writes most results several times (running totals, raw
// values, then scaled ones): while an event runs, results are held, and
// when it ends each box whose text or unit changed is shown once. Writes
// into entries and choosers are kept too, the last of each, and go out with
// the event's other writes. So the handlers never wait on a toolkit, and a
// front end is written to once per event.

#include <cstdint>
#include <functional>
#include <utility>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "frontend/control_name.h"

namespace quorvel {

class HeldFieldSet final : public FieldSet {
public:
    HeldFieldSet();  // every field with its creation text, as a front end builds its controls

    // Raises the handler of an entry or a chooser after every write that
    // changed its text, as the user's edit or pick would.
    void OnChange(std::function<void(Field field, int index)> handler) { on_change_ = std::move(handler); }
    // The settings the number rules read; kept until they change.
    void SetLocale(NumberLocale locale) { locale_ = std::move(locale); }

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override;
    // A result is held while an event runs; an input raises its handler.
    void SetText(Field field, int index, const std::string& text) override;
    // A chooser's list as the layout builds it: the text of its item.
    std::string ListItem(Field chooser, int index, int item) const override;
    NumberLocale Locale() const override { return locale_; }
    const std::string& Shown(Field field, int index) const;  // without a copy

    // The user changed an entry or picked a chooser's item: the text it now
    // shows. False where it is the text held already.
    bool UserChanged(Field input, int index, std::string text);
    // The control is to show its text again: the toolkit shows another.
    void Rewrite(Field input, int index);
    // Counts the handlers' writes into entries and choosers: when the last
    // write into one was, beside the count at another moment.
    std::uint64_t Stamp() const { return stamp_; }
    std::uint64_t WrittenAt(Field input, int index) const { return written_at_(input, index); }

    struct ChangedResult {
        Field value;
        int index;
        const std::string& text;
        const std::string& unit;
        bool text_changed;
        bool unit_changed;
    };
    // What changed since the last call, for the event's writes: each
    // result box whose text or unit changed, with its unit; each entry or
    // chooser a handler wrote; each that changed at all, by the user too.
    void TakeChangedResults(std::vector<ChangedResult>& results);
    void TakeWrittenInputs(std::vector<FieldElement>& inputs) { Take(written_, inputs); }
    void TakeChangedInputs(std::vector<FieldElement>& inputs) { Take(changed_, inputs); }
    // Whether anything was written or changed since the results were taken.
    bool Touched() const { return touched_; }

private:
    void Changed(Field input, int index);
    // Into the caller's list, each keeping its room: an event allocates nothing.
    static void Take(std::vector<FieldElement>& from, std::vector<FieldElement>& into) {
        into.swap(from);
        from.clear();
    }

    struct Held {
        std::string shown;  // what its box shows
        std::string held;   // written while an event runs, not shown yet
        bool is_held = false;
        const std::string& Current() const { return is_held ? held : shown; }
    };

    PerElement<std::string> inputs_;
    PerElement<std::uint64_t> written_at_;
    std::uint64_t stamp_ = 0;
    PerElement<Held> results_;
    std::vector<FieldElement> written_;  // by the handlers, since last taken
    std::vector<FieldElement> changed_;  // by the handlers or the user
    std::function<void(Field field, int index)> on_change_;
    NumberLocale locale_;
    bool touched_ = false;
};

}  // namespace quorvel
