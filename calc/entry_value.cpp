#include "calc/entry_value.h"

#include "calc/units.h"

namespace quorvel {
namespace {

int ChooserSteps(const FieldSet& form, Field entry, int index) {
    const Field chooser = ChooserOf(entry);
    return StepsOf(chooser, form.Text(chooser, index));
}

}  // namespace

double InBaseUnit(const FieldSet& form, Field entry, int index, const EntryText& read) {
    return Rescaled(read.value, read.steps ? *read.steps : ChooserSteps(form, entry, index));
}

double InChooserUnit(const FieldSet& form, Field entry, int index, const EntryText& read) {
    if (!read.steps) return read.value;
    return Rescaled(read.value, *read.steps - ChooserSteps(form, entry, index));
}

double LeftValue(const FieldSet& form, Field entry, int index, const EntryText& read) {
    const bool counts = read.reading == EntryReading::number || read.reading == EntryReading::beginning;
    return counts ? InChooserUnit(form, entry, index, read) : 0;
}

}  // namespace quorvel
