#pragma once

// The inputs and results of a field set as lists of texts, for checks that
// compare what a field set shows with what a recalculation computes, and the
// inputs whose recalculation overflows.

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

// Writes the inputs, as InputTexts lists them.
inline void SetInputTexts(FieldSet& fields, const std::vector<std::string>& texts) {
    auto text = texts.begin();
    for (Field input : kInputFields) {
        for (int i = 0; i < CountOf(input); ++i) fields.SetText(input, i, *text++);
    }
}

// The typed example, as InputTexts lists it: 100 Ohm, 2.2 kOhm, 1 MOhm and 470 Ohm at 5 mA.
inline const std::vector<std::string> kTypedExample{"100", "2.2", "1", "470", "Ohm", "kOhm", "MOhm", "Ohm", "5", "mA"};

// Enters the typed example, or another text for the first resistor.
inline void EnterTypedExample(FieldSet& fields, const std::string& first = "100") {
    std::vector<std::string> texts = kTypedExample;
    texts[0] = first;
    SetInputTexts(fields, texts);
}

struct RecalculatedTexts {
    std::vector<std::string> results;  // empty where a failed one did not complete them
    bool failed = false;
};

// What one recalculation computes from the inputs of a field set as they stand.
inline RecalculatedTexts RecalculateInputsOf(const FieldSet& fields, NumberLocale locale) {
    FieldModel fresh(std::move(locale));
    SetInputTexts(fresh, InputTexts(fields));
    RecalculatedTexts recalculation;
    try {
        Recalculate(fresh);
    } catch (const RuntimeError&) {
        recalculation.failed = true;
    }
    recalculation.results = ResultTexts(fresh);
    return recalculation;
}

// What one recalculation computes from the inputs as they stand.
inline std::vector<std::string> ExpectedResults(const FieldSet& fields) {
    return RecalculateInputsOf(fields, fields.Locale()).results;
}

struct InputEdit {
    Field field;
    int index;
    const char* text;
};

inline void EnterEdits(FieldSet& fields, const std::vector<InputEdit>& edits) {
    for (const auto& edit : edits) fields.SetText(edit.field, edit.index, edit.text);
}

// Inputs whose recalculation overflows, a row for each stage where it can.
struct Overflow {
    const char* stage;
    // From the defaults, and only the last overflows. None in txtRs(0), which
    // the clear writes first, nor in txtRs(2), left for the tests to type in.
    std::vector<InputEdit> edits;
    // What the failed recalculation leaves, as ResultTexts lists them: empty
    // from the stage that overflowed on.
    std::vector<std::string> results;
    // Where it stopped: that stage, and how many of its results it computed.
    Recalculation::Stage reached = Recalculation::Stage::done;
    int computed = 0;
};

inline const std::vector<Overflow> kOverflows = [] {
    using enum Field;
    const std::string e;
    using enum Recalculation::Stage;
    const std::vector<std::string> none(22, e);
    return std::vector<Overflow>{
        {"a unit factor", {{txtRs, 0, "1"}, {cboRs, 3, "kOhm"}, {txtRs, 3, "9E307"}}, none, total_resistance},
        {"the sum", {{txtRs, 0, "1"}, {txtRs, 1, "1E308"}, {txtRs, 3, "1E308"}}, none, total_resistance},
        {"the total voltage", {{txtRs, 0, "1"}, {txtIst, 0, "1E10"}, {txtRs, 3, "1E300"}},
         {"1E+294", "MOhm", e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e}, total_voltage},
        {"a resistor's power", {{txtRs, 0, "1"}, {txtIst, 0, "1E60"}, {txtRs, 3, "1E200"}},
         {"1E+194", "MOhm", "1E+254", "MV", "1E+54", "0", "0", "1E+254", "MV", e, e, "MV", e, e, e, e, e, e, e, e,
          e, e}, powers, 3},
        {"the total power", {{txtRs, 0, "1"}, {txtRs, 1, "9E199"}, {txtRs, 3, "9E199"}, {txtIst, 0, "1E54"}},
         {"1.8E+194", "MOhm", "1.8E+248", "MV", "1E+48", "9E+247", "0", "9E+247", "MV", "MV", e, "MV", "1E+102",
          "9E+301", "0", "9E+301", "MW", "MW", e, "MW", e, e}, total_power},
    };
}();

}  // namespace quorvel::testing
