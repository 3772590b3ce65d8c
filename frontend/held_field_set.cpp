#include "frontend/held_field_set.h"

namespace quorvel {

HeldFieldSet::HeldFieldSet() {
    for (const FieldInfo& info : kFields) {
        if (!IsComputed(info.field)) continue;
        for (int i = 0; i < info.count; ++i) results_(info.field, i).shown = info.created;
    }
}

std::string HeldFieldSet::Text(Field field, int index) const {
    if (IsComputed(field)) return results_(field, index).Current();
    return ControlText(field, index);
}

void HeldFieldSet::SetText(Field field, int index, const std::string& text) {
    if (IsComputed(field)) {
        Held& result = results_(field, index);
        result.held = text;
        result.is_held = true;
        if (!in_event_) WriteHeldResults();
        return;
    }
    if (!WriteControl(field, index, text)) return;
    if (KindOf(field) == FieldKind::entry && text == InfoOf(field).created) SelectDefault(field, index);
    if (on_change_) on_change_(field, index);
}

NumberLocale HeldFieldSet::Locale() const {
    if (!locale_) locale_ = ReadLocale();
    return *locale_;
}

void HeldFieldSet::EventBegins() {
    in_event_ = true;
    locale_.reset();
}

void HeldFieldSet::EventEnds() {
    in_event_ = false;
    WriteHeldResults();
}

void HeldFieldSet::WriteHeldResults() {
    std::vector<ChangedResult> changed;
    for (Field value : kResults) {
        const Field unit = UnitOf(value);
        for (int i = 0; i < CountOf(value); ++i) {
            Held& number = results_(value, i);
            Held& unit_word = results_(unit, i);
            if (!number.is_held && !unit_word.is_held) continue;
            const bool differs = number.Current() != number.shown || unit_word.Current() != unit_word.shown;
            number.shown = number.Current();
            unit_word.shown = unit_word.Current();
            number.is_held = unit_word.is_held = false;
            if (differs) changed.push_back({value, i, number.shown, unit_word.shown});
        }
    }
    if (!changed.empty()) WriteResultBoxes(changed);
}

}  // namespace quorvel
