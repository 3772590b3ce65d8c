#pragma once

#include "calc/fields.h"

namespace quorvel {

// Computes every result of the circuit from the four resistor entries, the
// current entry and their units, and writes each in its engineering unit.
// On a run-time error, the results the call did not complete are left empty
// and the error goes on to the caller.
void Recalculate(FieldSet& form);

// Whether the last recalculation was stopped by a run-time error: its last
// result, the total power, is then empty.
bool ResultsUndone(const FieldSet& form);

}  // namespace quorvel
