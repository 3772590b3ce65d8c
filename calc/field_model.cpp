#include <stdexcept>
#include <utility>

#include "calc/fields.h"

namespace quorvel {

FieldModel::FieldModel() : FieldModel(NumberLocale{}) {}

FieldModel::FieldModel(NumberLocale locale) : locale_(std::move(locale)) {
    for (const FieldInfo& info : kFields) {
        for (int i = 0; i < info.count; ++i) texts_(info.field, i) = info.created;
    }
}

void FieldModel::OnChange(ChangeHandler handler) { on_change_ = std::move(handler); }

std::string FieldModel::Text(Field field, int index) const {
    return texts_(field, index);
}

void FieldModel::SetText(Field field, int index, const std::string& text) {
    std::string& slot = texts_(field, index);
    if (slot == text) return;
    slot = text;
    if (on_change_ && !IsComputed(field)) on_change_(field, index);
}

std::string FieldModel::ListItem(Field chooser, int index, int item) const { return ListedItem(chooser, index, item); }

std::string ListedItem(Field chooser, int index, int item) {
    if (KindOf(chooser) != FieldKind::chooser || index < 0 || index >= CountOf(chooser)) {
        throw std::out_of_range("no such chooser");
    }
    const auto units = ListOf(chooser);
    if (item < 0 || static_cast<std::size_t>(item) >= units.size()) throw std::out_of_range("no such item");
    return std::string(units[static_cast<std::size_t>(item)].word);
}

NumberLocale FieldModel::Locale() const { return locale_; }

}  // namespace quorvel
