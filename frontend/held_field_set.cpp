#include "frontend/held_field_set.h"

#include <algorithm>

namespace quorvel {
namespace {

void AddOnce(std::vector<FieldElement>& elements, Field field, int index) {
    const auto same = [field, index](const FieldElement& e) { return e.field == field && e.index == index; };
    if (std::none_of(elements.begin(), elements.end(), same)) elements.push_back({field, index});
}

}  // namespace

HeldFieldSet::HeldFieldSet() {
    for (const FieldInfo& info : kFields) {
        for (int i = 0; i < info.count; ++i) {
            if (IsComputed(info.field)) {
                results_(info.field, i).shown = info.created;
            } else {
                inputs_(info.field, i) = info.created;
            }
        }
    }
}

const std::string& HeldFieldSet::Shown(Field field, int index) const {
    return IsComputed(field) ? results_(field, index).Current() : inputs_(field, index);
}

std::string HeldFieldSet::Text(Field field, int index) const { return Shown(field, index); }

void HeldFieldSet::SetText(Field field, int index, const std::string& text) {
    touched_ = true;
    if (IsComputed(field)) {
        Held& result = results_(field, index);
        result.held = text;
        result.is_held = true;
        return;
    }
    // A chooser takes only an item of its list; anything else, as a list
    // that finds no such item, leaves it without one.
    const bool listed = KindOf(field) != FieldKind::chooser || text.empty() || ItemOf(field, text) >= 0;
    if (!listed) return SetText(field, index, std::string());
    std::string& input = inputs_(field, index);
    if (input == text) return;
    input = text;
    written_at_(field, index) = ++stamp_;
    AddOnce(written_, field, index);
    Changed(field, index);
}

bool HeldFieldSet::UserChanged(Field input, int index, std::string text) {
    if (inputs_(input, index) == text) return false;
    touched_ = true;
    inputs_(input, index) = std::move(text);
    Changed(input, index);
    return true;
}

void HeldFieldSet::Rewrite(Field input, int index) {
    touched_ = true;
    AddOnce(written_, input, index);
}

void HeldFieldSet::Changed(Field input, int index) {
    AddOnce(changed_, input, index);
    if (on_change_) on_change_(input, index);
}

std::string HeldFieldSet::ListItem(Field chooser, int index, int item) const { return ListedItem(chooser, index, item); }

void HeldFieldSet::TakeChangedResults(std::vector<ChangedResult>& changed) {
    changed.clear();
    touched_ = false;
    for (Field value : kResults) {
        const Field unit = UnitOf(value);
        for (int i = 0; i < CountOf(value); ++i) {
            Held& number = results_(value, i);
            Held& unit_word = results_(unit, i);
            if (!number.is_held && !unit_word.is_held) continue;
            const bool text_changed = number.Current() != number.shown;
            const bool unit_changed = unit_word.Current() != unit_word.shown;
            if (number.is_held) number.shown.swap(number.held);
            if (unit_word.is_held) unit_word.shown.swap(unit_word.held);
            number.is_held = unit_word.is_held = false;
            if (text_changed || unit_changed) changed.push_back({value, i, number.shown, unit_word.shown, text_changed, unit_changed});
        }
    }
}

}  // namespace quorvel
