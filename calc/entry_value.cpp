#include "calc/entry_value.h"

#include <algorithm>
#include <string>

#include "calc/units.h"

namespace quorvel {
namespace {

int ChooserSteps(const FieldSet& form, Field entry, int index) {
    const Field chooser = ChooserOf(entry);
    return StepsOf(chooser, form.Text(chooser, index));
}

// The unit its number is in: its letter's, else its chooser's.
int UnitSteps(const FieldSet& form, Field entry, int index, const EntryText& read) {
    return read.steps ? *read.steps : ChooserSteps(form, entry, index);
}

// A text with "," and the settings' decimal separator as ".", the one
// point the leading number takes.
std::string WithDotForPoint(std::string text, const NumberLocale& locale) {
    const std::string& point = locale.DecimalPoint();
    for (auto at = text.find(point); point != "." && at != std::string::npos; at = text.find(point, at + 1)) {
        text.replace(at, point.size(), ".");
    }
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

}  // namespace

EntryText FieldSet::Read(Field entry, int index) const {
    std::string text = Text(entry, index);
    NumberLocale locale = Locale();
    std::optional<Reading>& last = readings_(entry, index);
    if (!last || last->text != text || last->locale != locale) {
        const EntryText read = ReadEntry(text, locale, QuantityOf(entry));
        last = Reading{std::move(text), std::move(locale), read};
    }
    return last->read;
}

double InBaseUnit(const FieldSet& form, Field entry, int index, const EntryText& read) {
    return Rescaled(read.value, UnitSteps(form, entry, index, read));
}

double InChooserUnit(const FieldSet& form, Field entry, int index, const EntryText& read) {
    if (!read.steps) return read.value;
    return Rescaled(read.value, *read.steps - ChooserSteps(form, entry, index));
}

double InLettersItem(Field entry, const EntryText& read) {
    const Field chooser = ChooserOf(entry);
    const int item = NearestItem(chooser, read.steps.value_or(0));
    return Rescaled(read.value, read.steps.value_or(0) - ListOf(chooser)[static_cast<std::size_t>(item)].steps);
}

double LeftValue(const FieldSet& form, Field entry, int index, const EntryText& read) {
    const bool counts = read.reading == EntryReading::number || read.reading == EntryReading::beginning;
    try {
        return counts ? InChooserUnit(form, entry, index, read) : 0;
    } catch (const OverflowError&) {
        return 0;
    }
}

EntryText CountedReading(const FieldSet& form, Field entry, int index) {
    EntryText read = form.Read(entry, index);
    if (read.reading == EntryReading::no_number) {
        read.value = ParseLeading(WithDotForPoint(form.Text(entry, index), form.Locale()));
        read.steps.reset();
    }
    return read;
}

double CountedValue(const FieldSet& form, Field entry, int index) {
    try {
        return InChooserUnit(form, entry, index, CountedReading(form, entry, index));
    } catch (const OverflowError&) {
        return 0;
    }
}

Magnitude ExactValue(const FieldSet& form, Field entry, int index, const EntryText& read) {
    return ExactMagnitude(read.value, UnitSteps(form, entry, index, read));
}

}  // namespace quorvel
