#pragma once

// What an entry counts as, in a unit: a multiplier letter it holds gives the
// value's unit, else the unit its chooser shows.

#include "calc/fields.h"
#include "calc/standard_values.h"
#include "number/entry_text.h"

namespace quorvel {

// In the base unit (Ohm, A).
double InBaseUnit(const FieldSet& form, Field entry, int index, const EntryText& read);
// In the unit its chooser shows.
double InChooserUnit(const FieldSet& form, Field entry, int index, const EntryText& read);
// A multiplier's value in the unit of the item its chooser picks for it
// (a G's in MOhm). OverflowError where that unit cannot hold it.
double InLettersItem(Field entry, const EntryText& read);
// What it counts as once left, in the unit its chooser shows: a text that
// is no number, nor one on its way, counts as 0, as does a value that unit
// cannot hold, which the entry loses.
double LeftValue(const FieldSet& form, Field entry, int index, const EntryText& read);
// What a recalculation counts it as: its reading where it is a number or on
// its way to one; a text that is no number counts as the number it begins
// with, without a multiplier letter, "," and the settings' decimal
// separator each read as the point ("833,6abc" is 833.6, "  7 5" is 75,
// "&H1F" is 31), in its chooser's unit.
EntryText CountedReading(const FieldSet& form, Field entry, int index);
// That in the unit its chooser shows, as the circuit's table and line write
// it; 0 where that unit cannot hold it.
double CountedValue(const FieldSet& form, Field entry, int index);
// Exactly, as a resistor's standard values are compared with it.
Magnitude ExactValue(const FieldSet& form, Field entry, int index, const EntryText& read);

}  // namespace quorvel
