#pragma once

// Rewriting of each raw result (ohms, volts, watts) in the engineering unit
// its size calls for, with the unit word beside it.

#include "calc/fields.h"

namespace quorvel {

// The decimal places a rounded result keeps: powers, and a total resistance
// in kOhm or MOhm.
inline constexpr int kShownPlaces = 3;

void ScaleTotalResistance(FieldSet& form);
void ScaleTotalVoltage(FieldSet& form);
void ScaleVoltageDrops(FieldSet& form);
void ScalePowers(FieldSet& form);
void ScaleTotalPower(FieldSet& form);

}  // namespace quorvel
