#include "frontend/parts_list.h"

#include "calc/entry_value.h"
#include "frontend/html_escape.h"
#include "frontend/recalculated_copy.h"
#include "frontend/resistor_drawing.h"
#include "frontend/texts.h"

namespace quorvel {
namespace {

constexpr std::string_view kPartsHeading = "Lista de piese";
constexpr std::string_view kCircuitTolerance = "toleran\u021Ba circuitului";

using Stage = Recalculation::Stage;

// A number of the record, where the recalculation got to it before it
// stopped: the k-th result of its stage.
std::optional<double> Computed(const Recalculation& seen, Stage stage, int k, double number) {
    if (seen.reached > stage || (seen.reached == stage && k < seen.computed)) return number;
    return std::nullopt;
}

// Every resistance and the current read: the total resistance came out.
bool InputsRead(const Recalculation& seen) { return Computed(seen, Stage::total_resistance, 0, 0).has_value(); }

// The current in the unit its chooser shows.
Figure CurrentFigure(const FieldSet& form, const Recalculation& seen) {
    const std::string unit = form.Text(Field::cboIst);
    if (!InputsRead(seen)) return {{}, unit};
    try {
        return {NumberToText(Rescaled(seen.amperes, -StepsOf(Field::cboIst, unit)), form.Locale()), unit};
    } catch (const OverflowError&) {
        return {{}, unit};
    }
}

// "23,5 V (22,325 V … 24,675 V)"; where nothing of it is computed, that, once.
std::string WithRange(const Figure& figure, const FigureRange& range) {
    if (figure.number.empty() && Unknown(range)) return FigureText(figure);
    return FigureText(figure) + " (" + RangeText(range) + ")";
}

std::string PartLine(const ListedPart& part, int k, const std::string& tolerance_text) {
    const std::string number = std::to_string(k + 1);
    std::string line = "R" + number + ": " + FigureText(part.shown);
    if (!part.rating.jumper) line += " " + tolerance_text + " (" + RangeText(part.resistance) + ")";
    line += "; benzi: " + part.bands_text + "; cod SMD: " + part.code_text;
    line += OneSentence(part.rating) ? "; " + part.through_hole_text
                               : "; THT: " + part.through_hole_text + "; cip: " + part.chip_text;
    line += "; U" + number + " = " + WithRange(part.drop, part.drop_range);
    line += "; P" + number + " = " + WithRange(part.power, part.power_range);
    return line;
}

std::string CurrentFigureText(const PartsList& list) {
    return FigureText(list.current) + (list.current.number.empty() ? "" : " (exact)");
}

std::string CurrentText(const PartsList& list) { return "I = " + CurrentFigureText(list); }

std::string TotalsLine(const PartsList& list) {
    return "Total: R = " + WithRange(list.total_resistance, list.total_resistance_range) +
           "; U = " + WithRange(list.total_voltage, list.total_voltage_range) +
           "; P = " + WithRange(list.total_power, list.total_power_range) + "; " + CurrentText(list);
}

std::string Cell(std::string_view tag, const std::string& html, std::string_view attributes = {}) {
    return "<" + std::string(tag) + std::string(attributes) + ">" + html + "</" + std::string(tag) + ">";
}

constexpr std::string_view kRight = " align=\"right\"";
constexpr std::string_view kTwoColumns = " colspan=\"2\"";

// A figure kept on one line, its number beside its unit.
std::string Unbroken(const std::string& text) {
    return "<span style=\"white-space:nowrap\">" + HtmlEscaped(text) + "</span>";
}

// A range that breaks, if it must, between its ends alone.
std::string RangeHtml(const FigureRange& range) {
    if (Unknown(range)) return Unbroken(RangeText(range));
    return Unbroken(FigureText(range.least)) + " \u2026 " + Unbroken(FigureText(range.greatest));
}

// A figure with its range below it.
std::string FigureCell(const Figure& figure, const FigureRange& range) {
    if (figure.number.empty() && Unknown(range)) return Cell("td", Unbroken(FigureText(figure)), kRight);
    return Cell("td", Unbroken(FigureText(figure)) + "<br>" + RangeHtml(range), kRight);
}

std::string Term(std::string_view term, const std::string& html) {
    return Cell("dt", HtmlEscaped(term)) + Cell("dd", html);
}

std::string RangedHtml(const Figure& figure, const FigureRange& range) {
    if (figure.number.empty() && Unknown(range)) return Unbroken(FigureText(figure));
    return Unbroken(FigureText(figure)) + " (" + RangeHtml(range) + ")";
}

std::string PartBlock(const ListedPart& part, int k, const std::string& tolerance_text) {
    const std::string number = std::to_string(k + 1);
    std::string value = Unbroken(FigureText(part.shown));
    if (!part.rating.jumper) value += " " + Unbroken(tolerance_text) + " (" + RangeHtml(part.resistance) + ")";
    std::string html = Cell("p", "<b>R" + number + "</b>: " + value, " class=\"part-value\"");
    if (!part.bands.colours.empty()) {
        const std::vector<std::optional<Colour>> drawn(part.bands.colours.begin(), part.bands.colours.end());
        html += ResistorSvg(drawn);
    }
    std::string terms = Term(texts::kBands, part.bands_html) + Term(texts::kSmdCode, HtmlEscaped(part.code_text));
    terms += Term(texts::kThroughHole, HtmlEscaped(part.through_hole_text));
    if (!OneSentence(part.rating)) terms += Term(texts::kChip, HtmlEscaped(part.chip_text));
    terms += Term(texts::kDrop, "U<sub>" + number + "</sub> = " + RangedHtml(part.drop, part.drop_range));
    terms += Term(texts::kPower, "P<sub>" + number + "</sub> = " + RangedHtml(part.power, part.power_range));
    return html + Cell("dl", terms);
}

std::string PartRow(const ListedPart& part, int k, const std::string& tolerance_text) {
    std::string html = "<tr>" + Cell("td", "R" + std::to_string(k + 1));
    std::string value = Unbroken(FigureText(part.shown));
    if (!part.rating.jumper) value += " " + Unbroken(tolerance_text) + "<br>" + RangeHtml(part.resistance);
    html += Cell("td", value, kRight);
    html += Cell("td", part.bands_html) + Cell("td", HtmlEscaped(part.code_text));
    if (OneSentence(part.rating)) {
        html += Cell("td", HtmlEscaped(part.through_hole_text), kTwoColumns);
    } else {
        html += Cell("td", HtmlEscaped(part.through_hole_text)) + Cell("td", HtmlEscaped(part.chip_text));
    }
    return html + FigureCell(part.drop, part.drop_range) + FigureCell(part.power, part.power_range) + "</tr>\n";
}

}  // namespace

PartsList ListParts(const FieldSet& window, Tolerance tolerance) {
    const RecalculatedCopy copy = RecalculateCopy(window);
    const FieldModel& form = copy.form;
    const Recalculation& seen = copy.seen;
    const NumberLocale locale = form.Locale();
    // Where the recalculation stopped before it read them all, no end of a range is known.
    const CircuitRange range = InputsRead(seen) ? RangeOf(seen.ohms, seen.amperes, tolerance, locale) : CircuitRange{};
    PartsList list;
    list.tolerance = tolerance;
    list.tolerance_text = ToleranceText(tolerance, locale);
    for (int k = 0; k < kResistorCount; ++k) {
        const auto r = static_cast<std::size_t>(k);
        ListedPart& part = list.parts[r];
        part.value = ExactValue(form, Field::txtRs, k, CountedReading(form, Field::txtRs, k));
        part.shown = ResistanceFigure(part.value, locale);
        part.bands = BandsOf(part.value, tolerance);
        part.bands_text = BandsText(part.bands, locale);
        part.bands_html = BandsHtml(part.bands, locale);
        part.code = SmdCodeOf(part.value);
        part.code_text = SmdCodeText(part.code, locale);
        part.rating = RatingOf(part.value.digits == 0, Computed(seen, Stage::voltage_drops, k, seen.drops[r]),
                               Computed(seen, Stage::powers, k, seen.powers[r]));
        part.through_hole_text = ThroughHoleText(part.rating);
        part.chip_text = ChipText(part.rating);
        part.resistance = range.resistances[r];
        part.drop = ResultFigure(form, Field::txtUs, k);
        part.power = ResultFigure(form, Field::txtPs, k);
        part.drop_range = range.drops[r];
        part.power_range = range.powers[r];
    }
    list.total_resistance = ResultFigure(form, Field::txtRst, 0);
    list.total_voltage = ResultFigure(form, Field::txtUst, 0);
    list.total_power = ResultFigure(form, Field::txtPst, 0);
    list.current = CurrentFigure(form, seen);
    list.total_resistance_range = range.total_resistance;
    list.total_voltage_range = range.total_voltage;
    list.total_power_range = range.total_power;
    return list;
}

std::string MarkingText(Magnitude value, Tolerance tolerance, const NumberLocale& locale) {
    return "Benzi la " + ToleranceText(tolerance, locale) + ": " + BandsText(BandsOf(value, tolerance), locale) +
           " \u00B7 cod SMD: " + SmdCodeText(SmdCodeOf(value), locale);
}

std::string PartsText(const PartsList& list) {
    std::string text =
        std::string(kPartsHeading) + ", " + std::string(kCircuitTolerance) + " " + list.tolerance_text + "\n";
    for (int k = 0; k < kResistorCount; ++k) {
        text += PartLine(list.parts[static_cast<std::size_t>(k)], k, list.tolerance_text) + "\n";
    }
    return text + TotalsLine(list) + "\n" + std::string(kRatingNote) + "\n";
}

// A row for each resistor under the headers, a row of the totals and the
// current, and the note.
std::string PartsHtml(const PartsList& list) {
    std::string html = "<meta charset=\"utf-8\"><p><b>" + HtmlEscaped(kPartsHeading) + "</b>, " +
                       HtmlEscaped(kCircuitTolerance) + " " + HtmlEscaped(list.tolerance_text) + "</p>\n";
    html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>";
    for (const std::string_view header : {"Piesa", "Valoare", "Benzi", "Cod SMD", "THT", "Cip", "Tensiune", "Putere"}) {
        html += Cell("th", HtmlEscaped(header));
    }
    html += "</tr>\n";
    for (int k = 0; k < kResistorCount; ++k) {
        html += PartRow(list.parts[static_cast<std::size_t>(k)], k, list.tolerance_text);
    }
    html += "<tr>" + Cell("td", "Total") + FigureCell(list.total_resistance, list.total_resistance_range) +
            Cell("td", HtmlEscaped(CurrentText(list)), " colspan=\"4\"") +
            FigureCell(list.total_voltage, list.total_voltage_range) +
            FigureCell(list.total_power, list.total_power_range) + "</tr>\n";
    return html + "</table>\n<p>" + HtmlEscaped(kRatingNote) + "</p>\n";
}

PartsSection PartsSectionOf(const PartsList& list) {
    PartsSection section;
    for (int k = 0; k < kResistorCount; ++k) {
        section.parts[static_cast<std::size_t>(k)] = PartBlock(list.parts[static_cast<std::size_t>(k)], k, list.tolerance_text);
    }
    const std::string terms =
        Term("R", RangedHtml(list.total_resistance, list.total_resistance_range)) +
        Term("U", RangedHtml(list.total_voltage, list.total_voltage_range)) +
        Term("P", RangedHtml(list.total_power, list.total_power_range)) + Term("I", HtmlEscaped(CurrentFigureText(list)));
    section.totals = Cell("p", "<b>" + HtmlEscaped(texts::kTotal) + "</b>", " class=\"part-value\"") + Cell("dl", terms) +
                     Cell("p", HtmlEscaped(kRatingNote), " class=\"rating-note\"");
    return section;
}

}  // namespace quorvel
