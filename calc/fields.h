#pragma once

// The window's fields as the computing procedures see them: named texts,
// some of them arrays of four, one per resistor.

#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "calc/number_text.h"

namespace quorvel {

enum class Field { txtRs, cboRs, txtIst, cboIst, txtRst, lblUMs, txtUst, txtUMUst,
                   txtUs, txtUMUs, txtPs, txtUMPs, txtPst, txtUMpst };

inline constexpr int kFieldCount = 14;
inline constexpr int kResistorCount = 4;

enum class FieldKind {
    entry,    // typed by the user, validated in place
    chooser,  // a unit picked from a fixed list
    result,   // a computed number
    unit,     // the unit word of a result
};

constexpr FieldKind KindOf(Field field) {
    switch (field) {
        case Field::txtRs:
        case Field::txtIst: return FieldKind::entry;
        case Field::cboRs:
        case Field::cboIst: return FieldKind::chooser;
        case Field::lblUMs:
        case Field::txtUMUst:
        case Field::txtUMUs:
        case Field::txtUMPs:
        case Field::txtUMpst: return FieldKind::unit;
        default: return FieldKind::result;
    }
}

// How many elements the field has: four for the per-resistor arrays.
constexpr int CountOf(Field field) {
    switch (field) {
        case Field::txtRs:
        case Field::cboRs:
        case Field::txtUs:
        case Field::txtUMUs:
        case Field::txtPs:
        case Field::txtUMPs: return kResistorCount;
        default: return 1;
    }
}

// The element a field's control carries: its index in the arrays, -1 for a
// single control.
constexpr int ElementOf(Field field, int index) { return CountOf(field) > 1 ? index : -1; }

// A computed number or its unit: what only the calculation writes.
constexpr bool IsComputed(Field field) {
    return KindOf(field) == FieldKind::result || KindOf(field) == FieldKind::unit;
}

// The computed numbers, in the order a recalculation completes them; each
// has its unit in the field UnitOf names, with the same index.
inline constexpr std::array kResults{Field::txtRst, Field::txtUst, Field::txtUs, Field::txtPs, Field::txtPst};

// The field that holds the unit of a result: lblUMs for txtRst, txtUMUst
// for txtUst, and so on.
constexpr Field UnitOf(Field result) {
    switch (result) {
        case Field::txtRst: return Field::lblUMs;
        case Field::txtUst: return Field::txtUMUst;
        case Field::txtUs: return Field::txtUMUs;
        case Field::txtPs: return Field::txtUMPs;
        default: return Field::txtUMpst;  // txtPst
    }
}

std::string_view NameOf(Field field);

// One T for each element of each field: four for the arrays, one for the
// others. An element a field lacks is std::out_of_range.
template <class T>
class PerElement {
public:
    T& operator()(Field field, int index) { return items_.at(Checked(field, index))[static_cast<std::size_t>(index)]; }
    const T& operator()(Field field, int index) const {
        return items_.at(Checked(field, index))[static_cast<std::size_t>(index)];
    }

private:
    static std::size_t Checked(Field field, int index) {
        if (index < 0 || index >= CountOf(field)) throw std::out_of_range("no such field element");
        return static_cast<std::size_t>(field);
    }

    std::array<std::array<T, kResistorCount>, kFieldCount> items_{};
};

// A control's name as the window and every front end give it: "txtRs(0)"
// for an element of a control array, the bare name otherwise (index -1).
std::string ControlName(std::string_view name, int index = -1);
// A field's control name: "txtRs(0)" for the arrays' elements, "txtIst".
std::string ControlName(Field field, int index = 0);

struct FieldElement {
    Field field;
    int index;
};
// The field element a control name names, if any.
std::optional<FieldElement> FieldNamed(std::string_view control_name);

class FieldSet {  // what the computing procedures see of the window
public:
    virtual ~FieldSet() = default;
    virtual std::string Text(Field field, int index = 0) const = 0;  // lblUMs: its caption
    virtual void SetText(Field field, int index, const std::string& text) = 0;
    void SetText(Field field, const std::string& text) { SetText(field, 0, text); }
    virtual std::string ListItem(Field chooser, int index, int item) const = 0;
    virtual NumberLocale Locale() const = 0;  // read at each call
};

// The field set without a window: texts in memory, starting with the texts
// the window's controls have when they are created.
class FieldModel final : public FieldSet {
public:
    using ChangeHandler = std::function<void(Field field, int index)>;

    FieldModel();
    explicit FieldModel(NumberLocale locale);
    // Called after every write that changed the text of an entry or a chooser.
    void OnChange(ChangeHandler handler);

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override;
    void SetText(Field field, int index, const std::string& text) override;
    // A chooser of the model accepts any text.
    std::string ListItem(Field chooser, int index, int item) const override;
    NumberLocale Locale() const override;

private:
    PerElement<std::string> texts_;
    NumberLocale locale_;
    ChangeHandler on_change_;
};

}  // namespace quorvel
