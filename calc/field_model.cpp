#include <stdexcept>
#include <utility>

#include "calc/fields.h"
#include "calc/units.h"

namespace quorvel {

std::string_view NameOf(Field field) {
    static constexpr std::array<std::string_view, kFieldCount> kNames{
        "txtRs", "cboRs", "txtIst", "cboIst", "txtRst", "lblUMs", "txtUst", "txtUMUst",
        "txtUs", "txtUMUs", "txtPs", "txtUMPs", "txtPst", "txtUMpst"};
    return kNames.at(static_cast<std::size_t>(field));
}

std::string ControlName(std::string_view name, int index) {
    std::string text(name);
    if (index >= 0) text += "(" + std::to_string(index) + ")";
    return text;
}

std::string ControlName(Field field, int index) { return ControlName(NameOf(field), ElementOf(field, index)); }

FieldModel::FieldModel() : FieldModel(NumberLocale{}) {}

FieldModel::FieldModel(NumberLocale locale) : locale_(std::move(locale)) {
    for (int i = 0; i < kResistorCount; ++i) Slot(Field::txtRs, i) = "0";
    Slot(Field::txtIst, 0) = "0";
    Slot(Field::lblUMs, 0) = "Ohm";
}

void FieldModel::OnChange(ChangeHandler handler) { on_change_ = std::move(handler); }

std::string FieldModel::Text(Field field, int index) const {
    return Slot(field, index);
}

void FieldModel::SetText(Field field, int index, const std::string& text) {
    std::string& slot = Slot(field, index);
    if (slot == text) return;
    slot = text;
    const FieldKind kind = KindOf(field);
    if (on_change_ && (kind == FieldKind::entry || kind == FieldKind::chooser)) on_change_(field, index);
}

std::string FieldModel::ListItem(Field chooser, int index, int item) const {
    if (KindOf(chooser) != FieldKind::chooser || index < 0 || index >= CountOf(chooser)) {
        throw std::out_of_range("no such chooser");
    }
    const auto units = ListOf(chooser);
    if (item < 0 || static_cast<std::size_t>(item) >= units.size()) throw std::out_of_range("no such item");
    return std::string(units[static_cast<std::size_t>(item)].word);
}

NumberLocale FieldModel::Locale() const { return locale_; }

const std::string& FieldModel::Slot(Field field, int index) const {
    if (index < 0 || index >= CountOf(field)) throw std::out_of_range("no such field element");
    return texts_.at(static_cast<std::size_t>(field))[static_cast<std::size_t>(index)];
}

std::string& FieldModel::Slot(Field field, int index) {
    return const_cast<std::string&>(std::as_const(*this).Slot(field, index));
}

}  // namespace quorvel
