#include "frontend/tolerance_range.h"

#include "calc/recalculate.h"
#include "frontend/entry_paste.h"

namespace quorvel {
namespace {

constexpr double kHundredthsOfPercent = 10000;

// One end of the range: every resistance times the factor. Where one is
// too large to scale, the results stay empty, as they were created; where
// a result is too large, the recalculation empties it and those after it.
// The choosers keep their creation text, which counts as ohms and amperes.
struct End {
    std::array<Figure, kResistorCount> resistances;
    FieldModel results;
};

void ComputeEnd(End& end, const std::array<double, kResistorCount>& ohms, double amperes, double factor) {
    const NumberLocale locale = end.results.Locale();
    bool scaled_all = true;
    for (int k = 0; k < kResistorCount; ++k) {
        try {
            const double scaled = Product(ohms[static_cast<std::size_t>(k)], factor);
            end.resistances[static_cast<std::size_t>(k)] = ResistanceFigure(ExactMagnitude(scaled, 0), locale);
            end.results.SetText(Field::txtRs, k, ExactPastedText(scaled, locale));
        } catch (const OverflowError&) {
            scaled_all = false;
        }
    }
    if (!scaled_all) return;
    end.results.SetText(Field::txtIst, ExactPastedText(amperes, locale));
    try {
        Recalculate(end.results);
    } catch (const RuntimeError&) {
    }
}

}  // namespace

CircuitRange RangeOf(const std::array<double, kResistorCount>& ohms, double amperes, Tolerance tolerance,
                     const NumberLocale& locale) {
    const double t = tolerance.hundredths / kHundredthsOfPercent;
    End least{{}, FieldModel(locale)}, greatest{{}, FieldModel(locale)};
    ComputeEnd(least, ohms, amperes, 1 - t);
    ComputeEnd(greatest, ohms, amperes, 1 + t);
    const auto range = [&](Field result, int index) {
        return FigureRange{ResultFigure(least.results, result, index), ResultFigure(greatest.results, result, index)};
    };
    CircuitRange circuit;
    for (int k = 0; k < kResistorCount; ++k) {
        const auto r = static_cast<std::size_t>(k);
        circuit.resistances[r] = {least.resistances[r], greatest.resistances[r]};
        circuit.drops[r] = range(Field::txtUs, k);
        circuit.powers[r] = range(Field::txtPs, k);
    }
    circuit.total_resistance = range(Field::txtRst, 0);
    circuit.total_voltage = range(Field::txtUst, 0);
    circuit.total_power = range(Field::txtPst, 0);
    return circuit;
}

std::string RangeText(const FigureRange& range) {
    return FigureText(range.least) + " \u2026 " + FigureText(range.greatest);
}

}  // namespace quorvel
