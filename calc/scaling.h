#pragma once

// Rewriting of each raw result (ohms, volts, watts) in the engineering unit
// its size calls for, with the unit word beside it.

#include "calc/fields.h"

namespace quorvel {

void ScaleTotalResistance(FieldSet& fields);
void ScaleTotalVoltage(FieldSet& fields);
void ScaleVoltageDrops(FieldSet& fields);
void ScalePowers(FieldSet& fields);
void ScaleTotalPower(FieldSet& fields);

}  // namespace quorvel
