#include "frontend/entry_description.h"

#include <algorithm>
#include <cmath>

#include "calc/entry_value.h"
#include "calc/standard_values.h"
#include "frontend/part_value.h"
#include "frontend/parts_list.h"
#include "frontend/window_layout.h"

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

std::string ResistorSpoken(const FieldSet& form, int index) {
    const std::string text = form.Text(Field::txtRs, index);
    const std::string unit = form.Text(Field::cboRs, index);
    return unit.empty() ? text : text + " " + unit;
}

std::string ResistorTooltip(const FieldSet& form, int index, Tolerance tolerance) {
    const Magnitude value = ExactValue(form, Field::txtRs, index, form.Read(Field::txtRs, index));
    const NumberLocale locale = form.Locale();
    const std::string marking = MarkingText(value, tolerance, locale);
    if (!Nearest(kE24, value)) return marking;
    return NearestText(kE24, value, locale) + " \u00B7 " + NearestText(kE96, value, locale) + "\n" + marking;
}

EntryDescription DescribeResistor(const FieldSet& form, int index, Tolerance tolerance) {
    return {ResistorSpoken(form, index), ResistorTooltip(form, index, tolerance)};
}

void ResistorDescriptions::Describe(const FieldSet& form, Tolerance tolerance, const WindowView& view,
                                    std::vector<ViewWrite>& writes) {
    if (std::none_of(touched_.begin(), touched_.end(), [](bool touched) { return touched; })) return;
    for (int i = 0; i < kResistorCount; ++i) {
        if (!std::exchange(touched_[static_cast<std::size_t>(i)], false)) continue;
        Described& described = described_[static_cast<std::size_t>(i)];
        const layout::Control& entry = layout::ControlOf(Field::txtRs, i);
        if (!view.AsksForTooltips()) {
            std::string tooltip = ResistorTooltip(form, i, tolerance);
            if (tooltip != described.tooltip) {
                described.tooltip = std::move(tooltip);
                writes.push_back({.kind = ViewWrite::Kind::tooltip, .control = &entry, .text = described.tooltip});
            }
        }
        std::string value = ResistorSpoken(form, i);
        if (value == described.value) continue;
        described.value = std::move(value);
        if (view.TellsValues()) {  // its description stays as the layout has it
            writes.push_back({.kind = ViewWrite::Kind::describe, .control = &entry, .value = described.value});
            continue;
        }
        described.spoken = described.value + ". " + std::string(layout::DescriptionOf(entry));
        writes.push_back({.kind = ViewWrite::Kind::describe, .control = &entry, .spoken = described.spoken});
    }
}

void ResistorDescriptions::TooltipAsked(const FieldSet& form, int index, Tolerance tolerance,
                                        std::vector<ViewWrite>& writes) {
    Described& described = described_[static_cast<std::size_t>(index)];
    described.tooltip = ResistorTooltip(form, index, tolerance);
    writes.push_back({.kind = ViewWrite::Kind::tooltip, .control = &layout::ControlOf(Field::txtRs, index),
                      .text = described.tooltip});
}

}  // namespace quorvel
