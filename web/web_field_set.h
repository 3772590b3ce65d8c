#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include <emscripten/val.h>

#include "calc/fields.h"

namespace quorvel {

// The field set over the page's elements. The entries and choosers are the
// only store of their texts. A recalculation writes most results several
// times (running totals, raw values, then scaled ones): the results and
// units are held here and shown once, by ShowHeld, when the event is over.
class WebFieldSet final : public FieldSet {
public:
    using ChangeHandler = std::function<void(Field field, int index)>;

    // The calculator's elements must be in the document.
    explicit WebFieldSet(const emscripten::val& document);
    // Called right after every write that changed the text of an entry or a
    // chooser, as the user's edit or pick would be.
    void OnChange(ChangeHandler handler);

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override;
    void SetText(Field field, int index, const std::string& text) override;
    std::string ListItem(Field chooser, int index, int item) const override;
    NumberLocale Locale() const override;

    // The user has edited an entry: its typed limit applies. False where the
    // edit was refused, and the entry's text is as before it.
    bool Typed(Field entry, int index);
    // The user has edited an entry: a text too long for it takes its padding.
    void FitEntry(Field entry, int index);
    // Writes the held results and units into their boxes, and says the whole
    // text with its unit in the tooltip and to a screen reader where a box
    // cuts it. Called once an event is over.
    void ShowHeld();
    const emscripten::val& Element(Field field, int index = 0) const;

private:
    struct Shown {
        std::string text;
        bool held = false;  // written, not yet shown
    };
    struct Box {
        emscripten::val element = emscripten::val::undefined();
        int typed_limit = 0;        // entries: characters the user may type; 0: no limit
        std::u16string before;      // entries with a limit: the text before the edit
        std::string default_text;   // entries: the text of a clear, or of what was no number
        std::string description;    // results and units: what a screen reader says of the box
        std::string tooltip;        // results and units: the whole text where the box cuts it
        Shown shown;                // results and units
    };

    Box& BoxOf(Field field, int index);
    const Box& BoxOf(Field field, int index) const;
    static void ShowWhole(Box& box, const std::string& unit);
    static void Fit(Box& box);
    static void MarkCut(emscripten::val mark, const std::string& text);

    std::array<std::array<Box, kResistorCount>, kFieldCount> boxes_;
    ChangeHandler on_change_;
    // The browser's locale cannot change while an event runs, which is one
    // task of the page: it is read on first use in each event.
    mutable std::optional<NumberLocale> locale_;
};

}  // namespace quorvel
