#include "frontend/tolerance_range.h"

#include "calc/recalculate.h"

namespace quorvel {
namespace {

constexpr double kHundredthsOfPercent = 10000;

// One end of the range: every resistance times the factor, recalculated
// as given numbers. Where one is too large to scale, the results stay
// empty, as they were created; where a result is too large, the
// recalculation empties it and those after it.
struct End {
    std::array<Figure, kResistorCount> resistances;
    FieldModel results;
};

void ComputeEnd(End& end, const std::array<double, kResistorCount>& ohms, double amperes, double factor) {
    std::array<double, kResistorCount> scaled{};
    bool scaled_all = true;
    for (std::size_t k = 0; k < scaled.size(); ++k) {
        try {
            scaled[k] = Product(ohms[k], factor);
            end.resistances[k] = ResistanceFigure(ExactMagnitude(scaled[k], 0), end.results.Locale());
        } catch (const OverflowError&) {
            scaled_all = false;
        }
    }
    if (!scaled_all) return;
    try {
        Recalculate(end.results, scaled, amperes, nullptr);
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

bool Unknown(const FigureRange& range) { return range.least.number.empty() && range.greatest.number.empty(); }

std::string RangeText(const FigureRange& range) {
    if (Unknown(range)) return FigureText(range.least);
    return FigureText(range.least) + " \u2026 " + FigureText(range.greatest);
}

}  // namespace quorvel
