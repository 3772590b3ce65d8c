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

std::optional<FieldElement> FieldNamed(std::string_view control_name) {
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            if (ControlName(field, i) == control_name) return FieldElement{field, i};
        }
    }
    return std::nullopt;
}

FieldModel::FieldModel() : FieldModel(NumberLocale{}) {}

FieldModel::FieldModel(NumberLocale locale) : locale_(std::move(locale)) {
    for (int i = 0; i < kResistorCount; ++i) texts_(Field::txtRs, i) = "0";
    texts_(Field::txtIst, 0) = "0";
    texts_(Field::lblUMs, 0) = "Ohm";
}

void FieldModel::OnChange(ChangeHandler handler) { on_change_ = std::move(handler); }

std::string FieldModel::Text(Field field, int index) const {
    return texts_(field, index);
}

void FieldModel::SetText(Field field, int index, const std::string& text) {
    std::string& slot = texts_(field, index);
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

}  // namespace quorvel
