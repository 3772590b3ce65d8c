#include "calc/scaling.h"

#include "number/arithmetic.h"
#include "calc/fields.h"

namespace quorvel {
namespace {

// Index into a unit ladder. Every lower bound belongs to its range; anything
// below 0.001, zero and negatives included, is micro.
enum Range { micro, milli, base, kilo, mega };

Range RangeOf(double value) {
    if (value < 1 / kUnitStep) return micro;  // the double nearest to one thousandth
    if (value < 1) return milli;
    if (value < kUnitStep) return base;
    if (value < kUnitStep * kUnitStep) return kilo;
    return mega;
}

// The value in the unit of its range, one factor of 1000 at a time.
double InRange(double value, Range range) {
    switch (range) {
        case micro: return Product(Product(value, kUnitStep), kUnitStep);
        case milli: return Product(value, kUnitStep);
        case base: return value;
        case kilo: return Quotient(value, kUnitStep);
        case mega: return Quotient(Quotient(value, kUnitStep), kUnitStep);
    }
    return value;
}

// Voltages are shown as computed; powers are rounded, in every range.
enum class Rounding { none, shown_places };

void ScaleOnLadder(FieldSet& form, Field value_field, int i, Rounding rounding, const NumberLocale& locale) {
    const Field unit_field = UnitOf(value_field);
    const UnitLadder& units = *InfoOf(value_field).ladder;
    const double value = ParseStrict(form.Text(value_field, i), locale);
    const Range range = RangeOf(value);
    if (rounding == Rounding::shown_places) {
        form.SetText(value_field, i, NumberToText(RoundPlaces(InRange(value, range), kShownPlaces), locale));
    } else if (range != base) {
        form.SetText(value_field, i, NumberToText(InRange(value, range), locale));
    }
    form.SetText(unit_field, i, std::string(units[range]));
    // A zero carries no unit.
    if (ParseStrict(form.Text(value_field, i), locale) == 0) form.SetText(unit_field, i, "");
}

void ScaleEachOnLadder(FieldSet& form, Field value_field, Rounding rounding) {
    const NumberLocale locale = form.Locale();
    for (int i = 0; i < CountOf(value_field); ++i) ScaleOnLadder(form, value_field, i, rounding, locale);
}

// One step up the resistance ladder: the value read back from txtRst, in
// the next unit, rounded.
double StepUp(FieldSet& form, const NumberLocale& locale) {
    const double next = RoundPlaces(Quotient(ParseStrict(form.Text(Field::txtRst), locale), kUnitStep), kShownPlaces);
    form.SetText(Field::txtRst, NumberToText(next, locale));
    return ParseStrict(form.Text(Field::txtRst), locale);
}

}  // namespace

// Only upward from ohms; each step works on the rounded value of the step
// before, so a kilo-ohm value that rounds to 1000 goes on to megohms.
void ScaleTotalResistance(FieldSet& form) {
    const NumberLocale locale = form.Locale();
    if (ParseStrict(form.Text(Field::txtRst), locale) < kUnitStep) {
        form.SetText(Field::lblUMs, std::string(kResistanceUnits[0].word));
        return;
    }
    if (StepUp(form, locale) < kUnitStep) {
        form.SetText(Field::lblUMs, std::string(kResistanceUnits[1].word));
        return;
    }
    StepUp(form, locale);
    form.SetText(Field::lblUMs, std::string(kResistanceUnits[2].word));
}

void ScaleTotalVoltage(FieldSet& form) {
    ScaleEachOnLadder(form, Field::txtUst, Rounding::none);
}

void ScaleVoltageDrops(FieldSet& form) {
    ScaleEachOnLadder(form, Field::txtUs, Rounding::none);
}

void ScalePowers(FieldSet& form) {
    ScaleEachOnLadder(form, Field::txtPs, Rounding::shown_places);
}

void ScaleTotalPower(FieldSet& form) {
    ScaleEachOnLadder(form, Field::txtPst, Rounding::shown_places);
}

}  // namespace quorvel
