#pragma once

// Inputs whose recalculation overflows, a row for each stage where it can,
// with the results the failed recalculation leaves: one table for the tests
// of the recalculation, of its report and of the clear button.

#include <string>
#include <vector>

#include "calc/fields.h"

namespace quorvel::testing {

struct InputEdit {
    Field field;
    int index;
    const char* text;
};

inline void EnterEdits(FieldSet& fields, const std::vector<InputEdit>& edits) {
    for (const auto& edit : edits) fields.SetText(edit.field, edit.index, edit.text);
}

struct Overflow {
    const char* stage;
    // From the defaults, in order, and only the last overflows. txtRs(0)
    // takes part in no overflow, so that the clear's first write fails too;
    // txtRs(2) in none, so that a test may type into it.
    std::vector<InputEdit> edits;
    // As ResultTexts lists them: those of the stages before the one that
    // overflowed, the others empty.
    std::vector<std::string> results;
};

inline const std::vector<Overflow> kOverflows = [] {
    using enum Field;
    const std::string e;
    return std::vector<Overflow>{
        {"a unit factor", {{txtRs, 0, "1"}, {cboRs, 3, "kOhm"}, {txtRs, 3, "9E307"}}, std::vector<std::string>(22, e)},
        {"the sum", {{txtRs, 0, "1"}, {txtRs, 1, "1E308"}, {txtRs, 3, "1E308"}}, std::vector<std::string>(22, e)},
        {"the total voltage", {{txtRs, 0, "1"}, {txtIst, 0, "1E10"}, {txtRs, 3, "1E300"}},
         {"1E+294", "MOhm", e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e}},
        {"a resistor's power", {{txtRs, 0, "1"}, {txtIst, 0, "1E60"}, {txtRs, 3, "1E200"}},
         {"1E+194", "MOhm", "1E+254", "MV", "1E+54", "0", "0", "1E+254", "MV", "", "", "MV", e, e, e, e, e, e, e, e,
          e, e}},
        {"the total power", {{txtRs, 0, "1"}, {txtRs, 1, "9E199"}, {txtRs, 3, "9E199"}, {txtIst, 0, "1E54"}},
         {"1.8E+194", "MOhm", "1.8E+248", "MV", "1E+48", "9E+247", "0", "9E+247", "MV", "MV", "", "MV",
          "1E+102", "9E+301", "0", "9E+301", "MW", "MW", "", "MW", e, e}},
    };
}();

}  // namespace quorvel::testing
