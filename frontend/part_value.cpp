#include "frontend/part_value.h"

namespace quorvel {
namespace {

constexpr int kMagnitudeDigits = 17;  // Magnitude::digits holds them, the first never zero

}  // namespace

Figures FiguresOf(Magnitude value) {
    if (value.digits == 0) return {};
    Figures figures{value.digits, kMagnitudeDigits, value.decade - (kMagnitudeDigits - 1)};
    for (; figures.figures % 10 == 0; figures.figures /= 10) {
        --figures.count;
        ++figures.exponent;
    }
    return figures;
}

Magnitude MagnitudeOf(std::uint64_t figures, int exponent) {
    if (figures == 0) return {};
    int count = 0;
    for (std::uint64_t rest = figures; rest != 0; rest /= 10) ++count;
    for (int padding = count; padding < kMagnitudeDigits; ++padding) figures *= 10;
    return {exponent + count - 1, figures};
}

// The series repeats in every decade: the value is looked up in a decade
// of the table's own range, and the answer moved back.
std::optional<Magnitude> NearestE96(Magnitude value) {
    if (value.digits == 0) return std::nullopt;
    constexpr int kTablesDecade = 4;  // 10 kOhm to 100 kOhm, well inside 1 Ohm to 1000 MOhm
    const int shift = kTablesDecade - value.decade;
    std::optional<Magnitude> nearest = Nearest(kE96, {kTablesDecade, value.digits});
    if (nearest) nearest->decade -= shift;
    return nearest;
}

MarkedValue MarkedValueOf(Magnitude value) {
    constexpr int kMarkedFigures = 3;
    MarkedValue marked{value, FiguresOf(value)};
    if (marked.figures.count <= kMarkedFigures) return marked;
    marked.value = *NearestE96(value);
    marked.figures = FiguresOf(marked.value);
    marked.approximate = true;
    return marked;
}

std::string FigureText(const Figure& figure) {
    if (figure.number.empty()) return "nu se poate calcula";
    return figure.unit.empty() ? figure.number : figure.number + " " + figure.unit;
}

Figure ResultFigure(const FieldSet& form, Field result, int index) {
    return {form.Text(result, index), form.Text(UnitOf(result), index)};
}

Figure ResistanceFigure(Magnitude value, const NumberLocale& locale) {
    const InUnit shown = ToUnit(value);
    const auto item = static_cast<std::size_t>(NearestItem(Field::cboRs, shown.steps));
    return {NumberToText(shown.number, locale), std::string(ListOf(Field::cboRs)[item].word)};
}

}  // namespace quorvel
