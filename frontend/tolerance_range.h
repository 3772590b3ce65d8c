#pragma once

// The results' range by tolerance: every resistance at once at its least,
// × (1 − t), and at its greatest, × (1 + t), the current exact. Each result
// grows with each resistance, so the two give every result's least and
// greatest. They are computed by the one recalculation, on a scratch field
// set whose entries hold the scaled resistances exactly, and written as it
// writes its results, each number in its own unit.

#include <array>

#include "calc/fields.h"
#include "frontend/part_value.h"
#include "frontend/tolerance.h"

namespace quorvel {

struct FigureRange {
    Figure least, greatest;
};

struct CircuitRange {
    std::array<FigureRange, kResistorCount> resistances;  // each in the unit it reads best in
    FigureRange total_resistance, total_voltage;
    std::array<FigureRange, kResistorCount> drops, powers;
    FigureRange total_power;
};

// ohms, amperes: each resistance and the current as the recalculation read them.
CircuitRange RangeOf(const std::array<double, kResistorCount>& ohms, double amperes, Tolerance tolerance,
                     const NumberLocale& locale);

// Neither end computed: a result too large, or a recalculation stopped before it.
bool Unknown(const FigureRange& range);

// "22,325 V … 24,675 V"; where neither end is computed, that, once.
std::string RangeText(const FigureRange& range);

}  // namespace quorvel
