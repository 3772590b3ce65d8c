#pragma once

// What an entry counts as, in a unit: a multiplier letter it holds gives the
// value's unit, else the unit its chooser shows.

#include "calc/fields.h"
#include "number/entry_text.h"

namespace quorvel {

// In the base unit (Ohm, A).
double InBaseUnit(const FieldSet& form, Field entry, int index, const EntryText& read);
// In the unit its chooser shows.
double InChooserUnit(const FieldSet& form, Field entry, int index, const EntryText& read);

}  // namespace quorvel
