#pragma once

// The window's inputs recalculated apart, for what explains or lists its
// results without writing to the window: the copy's results are the ones
// the window shows, and the record tells the numbers behind them.

#include <string>

#include "calc/fields.h"
#include "calc/recalculate.h"

namespace quorvel {

struct RecalculatedCopy {
    FieldModel form;    // the inputs, the choosers and the settings copied; the results as the window shows them
    Recalculation seen;
    std::string error;  // the report of a result too large to compute; empty where all were
};

RecalculatedCopy RecalculateCopy(const FieldSet& form);

}  // namespace quorvel
