#include "calc/recalculate.h"

#include <array>
#include <cstdint>

#include "number/arithmetic.h"
#include "calc/entry_value.h"
#include "calc/scaling.h"
#include "calc/units.h"

namespace quorvel {
namespace {

// The results in the order a recalculation completes them, as kResults.
enum class Stage { total_resistance, total_voltage, voltage_drops, powers, total_power };
static_assert(kResults[static_cast<std::size_t>(Stage::total_power)] == Field::txtPst);

double InBaseUnit(const FieldSet& form, Field entry, int i) { return InBaseUnit(form, entry, i, form.Read(entry, i)); }

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

}  // namespace

void Recalculate(FieldSet& form) {
    Stage stage = Stage::total_resistance;
    try {
        const NumberLocale locale = form.Locale();

        // The running total passes through the text of txtRst at every step.
        std::array<double, kResistorCount> ohms{};
        form.SetText(Field::txtRst, NumberToText(std::int16_t{0}));
        for (int i = 0; i < kResistorCount; ++i) {
            ohms[i] = InBaseUnit(form, Field::txtRs, i);
            const double total = Sum(ParseStrict(form.Text(Field::txtRst), locale), ohms[i]);
            form.SetText(Field::txtRst, NumberToText(total, locale));
        }
        const double amperes = InBaseUnit(form, Field::txtIst, 0);
        const std::string total_ohms = form.Text(Field::txtRst);
        ScaleTotalResistance(form);

        stage = Stage::total_voltage;
        const double total_volts = Product(ParseStrict(total_ohms, locale), amperes);
        form.SetText(Field::txtUst, NumberToText(total_volts, locale));
        ScaleTotalVoltage(form);

        stage = Stage::voltage_drops;
        for (int i = 0; i < kResistorCount; ++i) {
            form.SetText(Field::txtUs, i, NumberToText(Product(ohms[i], amperes), locale));
        }
        ScaleVoltageDrops(form);

        stage = Stage::powers;
        for (int i = 0; i < kResistorCount; ++i) {
            const double watts = Product(Product(ohms[i], amperes), amperes);
            form.SetText(Field::txtPs, i, NumberToText(watts, locale));
        }
        ScalePowers(form);

        stage = Stage::total_power;
        const double total_watts = Product(Product(ParseStrict(total_ohms, locale), amperes), amperes);
        form.SetText(Field::txtPst, NumberToText(total_watts, locale));
        ScaleTotalPower(form);
    } catch (const RuntimeError&) {
        ClearResultsFrom(form, stage);
        throw;
    }
}

bool ResultsUndone(const FieldSet& form) { return form.Text(Field::txtPst).empty(); }

}  // namespace quorvel
