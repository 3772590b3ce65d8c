#pragma once

// The inputs and results of a field set as lists of texts, for checks that
// compare what a field set shows with what a recalculation computes.

#include <array>
#include <string>
#include <vector>

#include "calc/fields.h"
#include "calc/recalculate.h"

namespace quorvel::testing {

// The fields in the order of the window's rows: the inputs, then the results
// with their units.
inline constexpr auto kInputFields = kFieldsWhere<[](const FieldInfo& info) { return !IsComputed(info.field); }>;
inline constexpr auto kResultFields = kFieldsWhere<[](const FieldInfo& info) { return IsComputed(info.field); }>;

// The texts of the given fields, every element in turn.
template <std::size_t N>
std::vector<std::string> TextsOf(const FieldSet& fields, const std::array<Field, N>& which) {
    std::vector<std::string> texts;
    for (Field field : which) {
        for (int i = 0; i < CountOf(field); ++i) texts.push_back(fields.Text(field, i));
    }
    return texts;
}

inline std::vector<std::string> InputTexts(const FieldSet& fields) { return TextsOf(fields, kInputFields); }
inline std::vector<std::string> ResultTexts(const FieldSet& fields) { return TextsOf(fields, kResultFields); }

// The inputs as start-up and the clear button leave them, as InputTexts lists them.
inline const std::vector<std::string> kDefaultInputs{"0", "0", "0", "0", "Ohm", "Ohm", "Ohm", "Ohm", "0", "A"};
// What the defaults compute, as ResultTexts lists it.
inline const std::vector<std::string> kZeroResults{"0", "Ohm", "0", "", "0", "0", "0", "0", "", "", "", "",
                                                   "0", "0", "0", "0", "", "", "", "", "0", ""};

// Enters the typed example: 100 Ohm, 2.2 kOhm, 1 MOhm and 470 Ohm at 5 mA,
// or another text for the first resistor.
inline void EnterTypedExample(FieldSet& fields, const std::string& first = "100") {
    const char* values[] = {"100", "2.2", "1", "470"};
    const char* units[] = {"Ohm", "kOhm", "MOhm", "Ohm"};
    for (int i = 0; i < kResistorCount; ++i) {
        fields.SetText(Field::txtRs, i, i == 0 ? first : values[i]);
        fields.SetText(Field::cboRs, i, units[i]);
    }
    fields.SetText(Field::txtIst, "5");
    fields.SetText(Field::cboIst, "mA");
}

struct Recalculation {
    std::vector<std::string> results;  // empty where a failed one did not complete them
    bool failed = false;
};

// What one recalculation computes from the inputs of a field set as they stand.
inline Recalculation RecalculateInputsOf(const FieldSet& fields, NumberLocale locale) {
    FieldModel fresh(std::move(locale));
    for (Field input : kInputFields) {
        for (int i = 0; i < CountOf(input); ++i) fresh.SetText(input, i, fields.Text(input, i));
    }
    Recalculation recalculation;
    try {
        Recalculate(fresh);
    } catch (const RuntimeError&) {
        recalculation.failed = true;
    }
    recalculation.results = ResultTexts(fresh);
    return recalculation;
}

}  // namespace quorvel::testing
