#include "frontend/entry_description.h"

#include <cmath>

#include "calc/entry_value.h"
#include "calc/standard_values.h"
#include "frontend/part_value.h"

namespace quorvel {
namespace {

// "4,7 kOhm (−2,1 %)": the sign says on which side of the value it lies.
std::string NearestText(const Series& series, Magnitude value, const NumberLocale& locale) {
    const Magnitude nearest = *Nearest(series, value);
    const double percent = PercentFrom(nearest, value);
    const long long tenths = std::llround(std::abs(percent) * 10);  // within the range, below 100 %
    const std::string size = std::to_string(tenths / 10) + locale.DecimalPoint() + std::to_string(tenths % 10);
    const char* sign = percent < 0 ? "\u2212" : percent > 0 ? "+" : "";
    return std::string(series.name) + ": " + FigureText(ResistanceFigure(nearest, locale)) + " (" + sign + size + " %)";
}

}  // namespace

EntryDescription DescribeResistor(const FieldSet& form, int index) {
    const std::string text = form.Text(Field::txtRs, index);
    const std::string unit = form.Text(Field::cboRs, index);
    EntryDescription description{unit.empty() ? text : text + " " + unit, {}};
    const NumberLocale locale = form.Locale();
    const Magnitude value = ExactValue(form, Field::txtRs, index, form.Read(Field::txtRs, index));
    if (!Nearest(kE24, value)) return description;
    description.tooltip = NearestText(kE24, value, locale) + " \u00B7 " + NearestText(kE96, value, locale);
    return description;
}

}  // namespace quorvel
