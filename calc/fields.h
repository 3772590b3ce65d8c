#pragma once

// The window's fields as the computing procedures see them: named texts,
// some of them arrays of four, one per resistor, each described once in the
// table below.

#include <array>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "calc/units.h"
#include "number/entry_text.h"
#include "number/number_text.h"
#include "number/unit_marks.h"

namespace quorvel {

enum class Field { txtRs, cboRs, txtIst, cboIst, txtRst, lblUMs, txtUst, txtUMUst,
                   txtUs, txtUMUs, txtPs, txtUMPs, txtPst, txtUMpst };

inline constexpr int kResistorCount = 4;

enum class FieldKind {
    entry,    // typed by the user, validated in place
    chooser,  // a unit picked from a fixed list
    result,   // a computed number
    unit,     // the unit word of a result
};

struct FieldInfo {
    Field field;
    std::string_view name;
    FieldKind kind;
    int count;                             // elements: four for the per-resistor arrays
    Field partner;                         // an entry's chooser, a result's unit, a chooser's entry
    std::string_view created;              // the text at creation
    std::span<const ChooserUnit> list{};   // a chooser's units
    const UnitLadder* ladder = nullptr;    // a result's units, from micro to mega (the resistance has its own)
    Quantity quantity = Quantity::resistance;  // what an entry holds
};

// In the order of the window's rows: the inputs, then each result with its
// unit, in the order a recalculation completes them.
inline constexpr std::array kFields{
    FieldInfo{Field::txtRs, "txtRs", FieldKind::entry, kResistorCount, Field::cboRs, "0"},
    FieldInfo{Field::cboRs, "cboRs", FieldKind::chooser, kResistorCount, Field::txtRs, "", kResistanceUnits},
    FieldInfo{Field::txtIst, "txtIst", FieldKind::entry, 1, Field::cboIst, "0", {}, nullptr, Quantity::current},
    FieldInfo{Field::cboIst, "cboIst", FieldKind::chooser, 1, Field::txtIst, "", kCurrentUnits},
    FieldInfo{Field::txtRst, "txtRst", FieldKind::result, 1, Field::lblUMs, ""},
    FieldInfo{Field::lblUMs, "lblUMs", FieldKind::unit, 1, Field::txtRst, kResistanceUnits[0].word},
    FieldInfo{Field::txtUst, "txtUst", FieldKind::result, 1, Field::txtUMUst, "", {}, &kVoltageUnits},
    FieldInfo{Field::txtUMUst, "txtUMUst", FieldKind::unit, 1, Field::txtUst, ""},
    FieldInfo{Field::txtUs, "txtUs", FieldKind::result, kResistorCount, Field::txtUMUs, "", {}, &kVoltageUnits},
    FieldInfo{Field::txtUMUs, "txtUMUs", FieldKind::unit, kResistorCount, Field::txtUs, ""},
    FieldInfo{Field::txtPs, "txtPs", FieldKind::result, kResistorCount, Field::txtUMPs, "", {}, &kPowerUnits},
    FieldInfo{Field::txtUMPs, "txtUMPs", FieldKind::unit, kResistorCount, Field::txtPs, ""},
    FieldInfo{Field::txtPst, "txtPst", FieldKind::result, 1, Field::txtUMpst, "", {}, &kPowerUnits},
    FieldInfo{Field::txtUMpst, "txtUMpst", FieldKind::unit, 1, Field::txtPst, ""},
};

inline constexpr int kFieldCount = static_cast<int>(kFields.size());

constexpr const FieldInfo& InfoOf(Field field) { return kFields[static_cast<std::size_t>(field)]; }
static_assert([] {
    for (int f = 0; f < kFieldCount; ++f) {
        if (static_cast<int>(kFields[static_cast<std::size_t>(f)].field) != f) return false;
    }
    return true;
}(), "kFields lists every field in the order of the enum");

constexpr std::string_view NameOf(Field field) { return InfoOf(field).name; }
constexpr FieldKind KindOf(Field field) { return InfoOf(field).kind; }
constexpr int CountOf(Field field) { return InfoOf(field).count; }
// The field that holds the unit of a result: lblUMs for txtRst, and so on.
constexpr Field UnitOf(Field result) { return InfoOf(result).partner; }
constexpr Field ChooserOf(Field entry) { return InfoOf(entry).partner; }
constexpr Quantity QuantityOf(Field entry) { return InfoOf(entry).quantity; }
// The fixed list of a chooser: cboRs or cboIst.
constexpr std::span<const ChooserUnit> ListOf(Field chooser) { return InfoOf(chooser).list; }

// The element a field's control carries: its index in the arrays, -1 for a
// single control.
constexpr int ElementOf(Field field, int index) { return CountOf(field) > 1 ? index : -1; }

// A computed number or its unit: what only the calculation writes.
constexpr bool IsComputed(Field field) {
    return KindOf(field) == FieldKind::result || KindOf(field) == FieldKind::unit;
}

// The fields the predicate keeps, in the table's order.
template <auto keeps>
inline constexpr auto kFieldsWhere = [] {
    constexpr std::size_t count = [] {
        std::size_t n = 0;
        for (const FieldInfo& info : kFields) n += keeps(info) ? 1 : 0;
        return n;
    }();
    std::array<Field, count> fields{};
    std::size_t n = 0;
    for (const FieldInfo& info : kFields) {
        if (keeps(info)) fields[n++] = info.field;
    }
    return fields;
}();

// The computed numbers, in the order a recalculation completes them.
inline constexpr auto kResults = kFieldsWhere<[](const FieldInfo& info) { return info.kind == FieldKind::result; }>;

// The steps of a chooser's word; a word not on its list, the empty one
// included, is the base unit.
constexpr int StepsOf(Field chooser, std::string_view word) {
    for (const ChooserUnit& unit : ListOf(chooser)) {
        if (unit.word == word) return unit.steps;
    }
    return 0;
}

// The place of a word in a chooser's list; -1 where it has none.
constexpr int ItemOf(Field chooser, std::string_view word) {
    const auto units = ListOf(chooser);
    for (std::size_t item = 0; item < units.size(); ++item) {
        if (units[item].word == word) return static_cast<int>(item);
    }
    return -1;
}

// The item of a chooser's list for a multiplier: its own unit, or where the
// list lacks it the nearest it has (a G on a resistor: MOhm).
constexpr int NearestItem(Field chooser, int steps) {
    const auto units = ListOf(chooser);
    std::size_t nearest = 0;
    for (std::size_t item = 1; item < units.size(); ++item) {
        if (std::abs(units[item].steps - steps) < std::abs(units[nearest].steps - steps)) nearest = item;
    }
    return static_cast<int>(nearest);
}

// Item k of a chooser's fixed list, as its control is built; no such
// chooser or item is std::out_of_range.
std::string ListedItem(Field chooser, int index, int item);

// The item start-up and the clear button pick: the base unit.
constexpr int DefaultItemOf(Field chooser) { return NearestItem(chooser, 0); }

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

class FieldSet {  // what the computing procedures see of the window
public:
    virtual ~FieldSet() = default;
    virtual std::string Text(Field field, int index = 0) const = 0;  // lblUMs: its caption
    virtual void SetText(Field field, int index, const std::string& text) = 0;
    void SetText(Field field, const std::string& text) { SetText(field, 0, text); }
    virtual std::string ListItem(Field chooser, int index, int item) const = 0;
    virtual NumberLocale Locale() const = 0;  // read at each call

    // What an entry holds, read once for each text and settings, however
    // often an event asks: a long paste is scanned once.
    EntryText Read(Field entry, int index) const;

private:
    struct Reading {
        std::string text;
        NumberLocale locale;
        EntryText read;
    };
    mutable PerElement<std::optional<Reading>> readings_;
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
