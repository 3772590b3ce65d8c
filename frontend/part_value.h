#pragma once

// A resistor's value as its markings see it: exactly, as digits and a power
// of ten (calc/standard_values.h). Its significant figures, the value that
// figures and a power of ten make, the nearest E96 value in any decade (a
// marking goes below 1 ohm and above 1000 megohms, where the series repeats),
// and the value written in the unit it reads best in, as a step to a
// standard value writes it.

#include <cstdint>
#include <string>

#include "calc/fields.h"
#include "calc/standard_values.h"
#include "number/number_text.h"

namespace quorvel {

// value = figures × 10^exponent, figures with no trailing zero: 4,7 kOhm is
// 47 × 10^2, two figures. Zero has none.
struct Figures {
    std::uint64_t figures = 0;
    int count = 0;
    int exponent = 0;
};

Figures FiguresOf(Magnitude value);
Magnitude MagnitudeOf(std::uint64_t figures, int exponent);

// By the smaller ratio, an exact tie to the lower, as the standard values
// find it; zero has none.
std::optional<Magnitude> NearestE96(Magnitude value);

// What a marking tells of a value: the value itself, where it has at most
// three significant figures, which every marking holds; else its nearest
// E96 value, approximately. Zero as itself.
struct MarkedValue {
    Magnitude value;
    Figures figures;
    bool approximate = false;
};

MarkedValue MarkedValueOf(Magnitude value);

// A number beside its unit word, as the results and the entries show them:
// "4,7" and "kOhm". A zero result has no unit; a figure too large to be
// computed has no number.
struct Figure {
    std::string number;
    std::string unit;
};

// "4,7 kOhm", "0", or, with no number, that it cannot be computed.
std::string FigureText(const Figure& figure);

// A result as its box shows it, with its unit.
Figure ResultFigure(const FieldSet& form, Field result, int index);

// In the unit of the resistor choosers where it is at least 1 and below
// 1000, or the largest: "910" "Ohm", "1" "kOhm", "99000" "MOhm".
Figure ResistanceFigure(Magnitude value, const NumberLocale& locale);

}  // namespace quorvel
