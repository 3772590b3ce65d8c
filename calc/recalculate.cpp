#include "calc/recalculate.h"

#include <cstdint>

#include "number/arithmetic.h"
#include "calc/entry_value.h"
#include "calc/scaling.h"
#include "calc/units.h"

namespace quorvel {
namespace {

using Stage = Recalculation::Stage;
static_assert(kResults[static_cast<std::size_t>(Stage::total_power)] == Field::txtPst);

// Empties every result, with its unit, from the given stage on, so that no
// result of earlier inputs stands beside the new ones.
void ClearResultsFrom(FieldSet& form, Stage first) {
    for (auto stage = static_cast<std::size_t>(first); stage < kResults.size(); ++stage) {
        const Field value = kResults[stage];
        for (int i = 0; i < CountOf(value); ++i) {
            form.SetText(value, i, "");
            form.SetText(UnitOf(value), i, "");
        }
    }
}

// Where the resistances and the current come from: the entries, as a
// recalculation counts them, or numbers given.
struct FromEntries {
    const FieldSet& form;
    double Ohms(int i) const { return InBaseUnit(form, Field::txtRs, i, CountedReading(form, Field::txtRs, i)); }
    double Amperes() const { return InBaseUnit(form, Field::txtIst, 0, CountedReading(form, Field::txtIst, 0)); }
};

struct FromNumbers {
    std::array<double, kResistorCount> ohms;  // a copy: they may be those of the record it fills
    double amperes;
    double Ohms(int i) const { return ohms[static_cast<std::size_t>(i)]; }
    double Amperes() const { return amperes; }
};

void Begin(Recalculation& seen, Stage stage) {
    seen.reached = stage;
    seen.computed = 0;
}

template <class Inputs>
void Steps(FieldSet& form, const Inputs& inputs, Recalculation& seen) {
    seen = {};
    try {
        const NumberLocale locale = form.Locale();

        // The running total passes through the text of txtRst at every step.
        form.SetText(Field::txtRst, NumberToText(std::int16_t{0}));
        for (int i = 0; i < kResistorCount; ++i) {
            seen.ohms[i] = inputs.Ohms(i);
            seen.running_totals[i] = NumberToText(Sum(ParseStrict(form.Text(Field::txtRst), locale), seen.ohms[i]), locale);
            form.SetText(Field::txtRst, seen.running_totals[i]);
        }
        seen.amperes = inputs.Amperes();
        // The total voltage and power come from the text the last pass wrote,
        // not from the scaled total shown.
        seen.total_ohms = ParseStrict(form.Text(Field::txtRst), locale);
        seen.computed = 1;
        ScaleTotalResistance(form);

        Begin(seen, Stage::total_voltage);
        seen.total_volts = Product(seen.total_ohms, seen.amperes);
        seen.computed = 1;
        form.SetText(Field::txtUst, NumberToText(seen.total_volts, locale));
        ScaleTotalVoltage(form);

        Begin(seen, Stage::voltage_drops);
        for (int i = 0; i < kResistorCount; ++i) {
            seen.drops[i] = Product(seen.ohms[i], seen.amperes);
            ++seen.computed;
            form.SetText(Field::txtUs, i, NumberToText(seen.drops[i], locale));
        }
        ScaleVoltageDrops(form);

        Begin(seen, Stage::powers);
        for (int i = 0; i < kResistorCount; ++i) {
            seen.powers[i] = Product(Product(seen.ohms[i], seen.amperes), seen.amperes);
            ++seen.computed;
            form.SetText(Field::txtPs, i, NumberToText(seen.powers[i], locale));
        }
        ScalePowers(form);

        Begin(seen, Stage::total_power);
        seen.total_watts = Product(Product(seen.total_ohms, seen.amperes), seen.amperes);
        seen.computed = 1;
        form.SetText(Field::txtPst, NumberToText(seen.total_watts, locale));
        ScaleTotalPower(form);
        Begin(seen, Stage::done);
    } catch (const RuntimeError&) {
        ClearResultsFrom(form, seen.reached);
        throw;
    }
}

}  // namespace

void Recalculate(FieldSet& form) { Recalculate(form, nullptr); }

void Recalculate(FieldSet& form, Recalculation* seen) {
    Recalculation unseen;
    Steps(form, FromEntries{form}, seen ? *seen : unseen);
}

void Recalculate(FieldSet& form, const std::array<double, kResistorCount>& ohms, double amperes,
                 Recalculation* seen) {
    Recalculation unseen;
    Steps(form, FromNumbers{ohms, amperes}, seen ? *seen : unseen);
}

bool ResultsUndone(const FieldSet& form) { return form.Text(Field::txtPst).empty(); }

}  // namespace quorvel
