#include "frontend/worked_solution.h"

#include <algorithm>
#include <array>

#include "calc/entry_value.h"
#include "frontend/error_message.h"
#include "frontend/html_escape.h"

namespace quorvel {
namespace {

constexpr std::string_view kOhm = "Ohm", kAmpere = "A", kVolt = "V", kWatt = "W";
constexpr std::string_view kSubscripts[] = {"_1", "_2", "_3", "_4"};

// The steps of a unit word from its field's base unit: the resistance's
// from the choosers' list, a voltage's or power's from its ladder; the
// empty unit of a zero, none.
int StepsOfUnit(Field result, std::string_view unit) {
    if (result == Field::txtRst) return StepsOf(Field::cboRs, unit);
    const UnitLadder& ladder = *InfoOf(result).ladder;
    for (std::size_t range = 0; range < ladder.size(); ++range) {
        if (ladder[range] == unit) return static_cast<int>(range) - 2;
    }
    return 0;
}

class Solver {
public:
    explicit Solver(const FieldSet& form) : form_(form), locale_(form.Locale()) {}

    WorkedSolution Solve() {
        try {
            Steps();
        } catch (const RuntimeError& error) {
            // Where a result is too large to compute, the solution stops, as the report says.
            SolutionStep stop;
            stop.name = stage_;
            stop.note = ErrorMessage(error);
            std::replace(stop.note.begin(), stop.note.end(), '\n', ' ');  // one line, as every step
            solution_.steps.push_back(std::move(stop));
            solution_.complete = false;
        }
        return std::move(solution_);
    }

private:
    std::string Text(double value, std::string_view unit) const {
        return NumberToText(value, locale_) + " " + std::string(unit);
    }
    static std::string Sub(std::string_view symbol, int k) { return std::string(symbol) + std::string(kSubscripts[k]); }

    // A step, with the result as the window shows it where that differs.
    void Add(std::string_view name, std::string formula, std::string values, double result, std::string_view unit,
             Field shown_in, int index) {
        SolutionStep step;
        step.name = name;
        step.formula = std::move(formula);
        step.values = std::move(values);
        step.result = Text(result, unit);
        const std::string number = form_.Text(shown_in, index);
        const std::string shown_unit = form_.Text(UnitOf(shown_in), index);
        const std::string shown = number + " " + (shown_unit.empty() ? std::string(unit) : shown_unit);
        if (!number.empty() && shown != step.result) {
            step.shown = shown;
            try {
                step.rounded = NumberToText(Rescaled(result, -StepsOfUnit(shown_in, shown_unit)), locale_) != number;
            } catch (const OverflowError&) {
                step.rounded = true;
            }
        }
        solution_.steps.push_back(std::move(step));
    }

    // A sum of results checked against the total it must make, on the exact
    // values; binary arithmetic may leave them apart in their last digits.
    void Check(std::string_view name, std::string_view symbol, const std::array<double, kResistorCount>& parts,
               double total, std::string_view unit) {
        SolutionStep step;
        step.name = name;
        double sum = 0;
        for (int k = 0; k < kResistorCount; ++k) {
            step.formula += (k ? " + " : "") + Sub(symbol, k);
            step.values += (k ? " + " : "") + Text(parts[static_cast<std::size_t>(k)], unit);
            sum = Sum(sum, parts[static_cast<std::size_t>(k)]);
        }
        step.result = Text(sum, unit);
        step.shown = symbol;
        if (step.result != Text(total, unit)) {
            step.rounded = true;
            step.note = std::string(symbol) + " = " + Text(total, unit) +
                        ": sumele exacte diferă în ultimele cifre, din cauza aritmeticii binare";
        }
        solution_.steps.push_back(std::move(step));
    }

    // In the order the recalculation computes: the total resistance through
    // its text at every pass, then the voltages and powers from it.
    void Steps() {
        stage_ = "Rezistența totală";
        std::array<double, kResistorCount> ohms{};
        double total = 0;
        std::string formula = "R = ", values;
        for (int k = 0; k < kResistorCount; ++k) {
            const auto r = static_cast<std::size_t>(k);
            ohms[r] = InBaseUnit(form_, Field::txtRs, k, form_.Read(Field::txtRs, k));
            total = ParseStrict(NumberToText(Sum(total, ohms[r]), locale_), locale_);
            formula += (k ? " + " : "") + Sub("R", k);
            values += (k ? " + " : "") + Text(ohms[r], kOhm);
        }
        const double amperes = InBaseUnit(form_, Field::txtIst, 0, form_.Read(Field::txtIst, 0));
        Add(stage_, formula, values, total, kOhm, Field::txtRst, 0);
        const std::string current = Text(amperes, kAmpere);
        const std::string squared = "(" + current + ")^2";

        stage_ = "Tensiunea totală";
        const double volts = Product(total, amperes);
        Add(stage_, "U = R · I", Text(total, kOhm) + " · " + current, volts, kVolt, Field::txtUst, 0);

        std::array<double, kResistorCount> drops{};
        for (int k = 0; k < kResistorCount; ++k) {
            stage_ = "Căderea de tensiune pe R" + std::to_string(k + 1);
            drops[static_cast<std::size_t>(k)] = Product(ohms[static_cast<std::size_t>(k)], amperes);
            Add(stage_, Sub("U", k) + " = " + Sub("R", k) + " · I",
                Text(ohms[static_cast<std::size_t>(k)], kOhm) + " · " + current, drops[static_cast<std::size_t>(k)],
                kVolt, Field::txtUs, k);
        }

        std::array<double, kResistorCount> powers{};
        for (int k = 0; k < kResistorCount; ++k) {
            stage_ = "Puterea în R" + std::to_string(k + 1);
            const auto r = static_cast<std::size_t>(k);
            powers[r] = Product(Product(ohms[r], amperes), amperes);
            Add(stage_, Sub("P", k) + " = " + Sub("R", k) + " · I^2", Text(ohms[r], kOhm) + " · " + squared,
                powers[r], kWatt, Field::txtPs, k);
        }

        stage_ = "Puterea totală";
        const double watts = Product(Product(total, amperes), amperes);
        Add(stage_, "P = R · I^2", Text(total, kOhm) + " · " + squared, watts, kWatt, Field::txtPst, 0);

        stage_ = "Verificarea tensiunilor";
        Check(stage_, "U", drops, volts, kVolt);
        stage_ = "Verificarea puterilor";
        Check(stage_, "P", powers, watts, kWatt);
    }

    const FieldSet& form_;
    NumberLocale locale_;
    WorkedSolution solution_;
    std::string stage_;
};

// The notation of formulas as text: "R_1" as "R1", "I^2" as "I²"; or as
// HTML, each a subscript or superscript.
std::string Set(std::string_view notation, bool html) {
    std::string out;
    for (std::size_t at = 0; at < notation.size(); ++at) {
        const char c = notation[at];
        if ((c == '_' || c == '^') && at + 1 < notation.size()) {
            const char mark = notation[++at];
            if (html) {
                out += c == '_' ? "<sub>" : "<sup>";
                out += mark;
                out += c == '_' ? "</sub>" : "</sup>";
            } else {
                out += c == '^' && mark == '2' ? "\u00B2" : std::string(1, mark);
            }
            continue;
        }
        out += html && (c == '<' || c == '>' || c == '&') ? HtmlEscaped(std::string_view(&c, 1)) : std::string(1, c);
    }
    return out;
}

// "Name: formula = values = result ≈ shown (note)"; a stop says only why.
std::string Line(const SolutionStep& step, bool html) {
    const auto plain = [html](std::string_view text) { return html ? HtmlEscaped(text) : std::string(text); };
    std::string line = html ? "<b>" + HtmlEscaped(step.name) + "</b>: " : step.name + ": ";
    if (step.formula.empty()) return line + plain(step.note);
    line += Set(step.formula, html) + " = " + Set(step.values, html) + " = " + plain(step.result);
    if (!step.shown.empty()) line += (step.rounded ? " \u2248 " : " = ") + plain(step.shown);
    if (!step.note.empty()) line += " (" + plain(step.note) + ")";
    return line;
}

}  // namespace

WorkedSolution SolveCircuit(const FieldSet& form) { return Solver(form).Solve(); }

std::string SolutionText(const WorkedSolution& solution) {
    std::string text = "Rezolvare\n";
    for (const SolutionStep& step : solution.steps) text += Line(step, false) + "\n";
    return text;
}

std::string SolutionList(const WorkedSolution& solution) {
    std::string html = "<ol>\n";
    for (const SolutionStep& step : solution.steps) html += "<li>" + Line(step, true) + "</li>\n";
    return html + "</ol>\n";
}

std::string SolutionHtml(const WorkedSolution& solution) {
    return "<meta charset=\"utf-8\"><p><b>Rezolvare</b></p>\n" + SolutionList(solution);
}

}  // namespace quorvel
