#pragma once

#include <array>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "frontend/entry_description.h"
#include "frontend/held_field_set.h"
#include "frontend/typed_limit.h"

namespace quorvel {

// The field set over the page's elements: how they are read, written and
// measured; the holding of results while an event runs is shared.
class WebFieldSet final : public HeldFieldSet {
public:
    // Takes over the calculator's elements in the document, in their
    // creation state.
    explicit WebFieldSet(const emscripten::val& document);

    std::string ListItem(Field chooser, int index, int item) const override;

    // The user has edited an entry: the edit is taken as the entries' rules
    // take it (pasted: what a paste or a drop put in). False where it was
    // refused, and the entry's text is as before it.
    bool Edited(Field entry, int index, EntryInput input, std::u16string_view pasted);
    // The user has left an entry: it shows its beginning.
    void ShowBeginning(Field entry, int index);
    // The user has edited an entry: a text too long for it takes its padding.
    void FitEntry(Field entry, int index);
    // The page has changed its layout: every box is measured again.
    void Relayout();
    // The user has changed an entry's or a chooser's text: a resistor's is
    // described again once the event is over.
    void Touched(Field input, int index);
    // After an event: each resistor entry whose value or unit the user or
    // the handlers changed is a spin button whose value a screen reader
    // hears with its unit, and its tooltip names the nearest standard values.
    void DescribeResistors();
    const emscripten::val& Element(Field field, int index = 0) const;

protected:
    std::string ControlText(Field input, int index) const override;
    bool WriteControl(Field input, int index, const std::string& text) override;
    void SelectDefault(Field entry, int index) override;
    // Writes the boxes, then says the whole text with its unit in the
    // tooltip and to a screen reader where a box cuts it.
    void WriteResultBoxes(const std::vector<ChangedResult>& results) override;
    NumberLocale ReadLocale() const override;

private:
    struct Box {
        emscripten::val element = emscripten::val::undefined();
        std::u16string before;      // entries: the text before the edit
        std::string description;    // results and units: what a screen reader says of the box
        std::string tooltip;        // results and units: the whole text where the box cuts it
        bool cut = false;
    };

    void Measure(const ChangedResult& result);
    void Display(Box& box, std::string_view text, std::string_view unit);
    static void Fit(Box& box);

    PerElement<Box> boxes_;
    std::array<bool, kResistorCount> undescribed_{true, true, true, true};  // changed since last described
    std::string described_point_;  // the settings' decimal point the descriptions were written in
    emscripten::val measure_;  // a canvas's context, which measures texts in a box's font
};

}  // namespace quorvel
