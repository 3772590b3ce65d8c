#include "frontend/worked_solution.h"

#include <algorithm>
#include <array>

#include "frontend/error_message.h"
#include "frontend/html_escape.h"
#include "frontend/recalculated_copy.h"
#include "frontend/texts.h"
#include "frontend/worked_solution_marks.h"

namespace quorvel {
namespace {

constexpr std::string_view kOhm = BaseWordOf(Quantity::resistance), kAmpere = BaseWordOf(Quantity::current),
                           kVolt = BaseWordOf(Quantity::voltage), kWatt = BaseWordOf(Quantity::power);
constexpr std::string_view kSubscripts[] = {"_1", "_2", "_3", "_4"};

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// How many results the recalculation computed, in its order.
int ResultsComputed(const Recalculation& seen) {
    int results = seen.computed;
    for (std::size_t stage = 0; stage < static_cast<std::size_t>(seen.reached); ++stage) results += CountOf(kResults[stage]);
    return results;
}

// The steps are told from a recalculation of a copy of the inputs: its
// numbers, and the texts its results show.
class Solver {
public:
    explicit Solver(const FieldSet& form)
        : locale_(form.Locale()), copy_(RecalculateCopy(form)), shown_(copy_.form), seen_(copy_.seen) {}

    WorkedSolution Solve() {
        const std::string& error = copy_.error;
        left_ = ResultsComputed(seen_);
        Results();
        // Where a result is too large to compute, the solution stops, as the report says.
        if (!error.empty()) {
            Stop(stopped_at_.empty() ? solution_.steps.back().name : stopped_at_, error);
        } else if (Check("Verificarea tensiunilor", "U", seen_.drops, seen_.total_volts, kVolt)) {
            Check("Verificarea puterilor", "P", seen_.powers, seen_.total_watts, kWatt);
        }
        return std::move(solution_);
    }

private:
    std::string Text(double value, std::string_view unit) const {
        return NumberToText(value, locale_) + " " + std::string(unit);
    }
    static std::string Sub(std::string_view symbol, int k) { return std::string(symbol) + std::string(kSubscripts[k]); }

    void Stop(std::string name, const std::string& error) {
        SolutionStep stop;
        stop.name = std::move(name);
        stop.note = OneLine(error);
        solution_.steps.push_back(std::move(stop));
        solution_.complete = false;
    }

    // A step, with the result as the window shows it where that differs;
    // none from the first result the recalculation did not compute.
    void Add(std::string name, std::string formula, std::string values, double result, std::string_view unit,
             Field shown_in, int index) {
        if (left_ == 0) {
            if (stopped_at_.empty()) stopped_at_ = std::move(name);
            return;
        }
        --left_;
        SolutionStep step;
        step.name = std::move(name);
        step.formula = std::move(formula);
        step.values = std::move(values);
        step.result = Text(result, unit);
        const std::string number = shown_.Text(shown_in, index);
        const std::string shown_unit = shown_.Text(UnitOf(shown_in), index);
        const std::string shown = number + " " + (shown_unit.empty() ? std::string(unit) : shown_unit);
        if (!number.empty() && shown != step.result) {
            step.shown = shown;
            step.rounded = ShownRounded(result, shown_in, number, shown_unit, locale_);
            const std::string below = ZeroShownBelow(result, shown_in, number, locale_);
            if (!below.empty()) step.note = "sub " + below + ", caseta arată 0";
        }
        solution_.steps.push_back(std::move(step));
    }

    // A sum of results checked against the total it must make, on the
    // numbers computed; where they are written apart, the note says why.
    bool Check(std::string name, std::string_view symbol, const std::array<double, kResistorCount>& parts,
               double total, std::string_view unit) {
        SolutionStep step;
        step.name = std::move(name);
        double sum = 0;
        try {
            for (const double part : parts) sum = Sum(sum, part);
        } catch (const RuntimeError& error) {
            Stop(std::move(step.name), ErrorMessage(error));
            return false;
        }
        for (int k = 0; k < kResistorCount; ++k) {
            step.formula += (k ? " + " : "") + Sub(symbol, k);
            step.values += (k ? " + " : "") + Text(parts[static_cast<std::size_t>(k)], unit);
        }
        step.result = Text(sum, unit);
        step.shown = symbol;
        const SumApart apart = WhySumApart(parts, sum, total, seen_);
        if (apart != SumApart::no) {
            step.rounded = true;
            step.note = std::string(symbol) + " = " + Text(total, unit) + ": " + std::string(WhyApart(apart));
        }
        solution_.steps.push_back(std::move(step));
        return true;
    }

    static std::string_view WhyApart(SumApart apart) {
        switch (apart) {
            case SumApart::total_resistance:
                return "sumele exacte diferă în ultimele cifre, căci rezistența totală este suma rotunjită la "
                       "15 cifre semnificative";
            case SumApart::written_terms:
                return "sumele exacte sunt egale; diferența vine din scrierea fiecărui termen cu 15 cifre "
                       "semnificative";
            case SumApart::binary:
                return "sumele exacte sunt egale; suma calculată în binar diferă în ultimele cifre";
            case SumApart::no: break;
        }
        return {};
    }

    // In the order the recalculation computes: the total resistance through
    // its text at every pass, then the voltages and powers from it.
    void Results() {
        std::string formula = "R = ", values;
        for (int k = 0; k < kResistorCount; ++k) {
            formula += (k ? " + " : "") + Sub("R", k);
            values += (k ? " + " : "") + Text(seen_.ohms[static_cast<std::size_t>(k)], kOhm);
        }
        Add("Rezistența totală", formula, values, seen_.total_ohms, kOhm, Field::txtRst, 0);
        const std::string current = Text(seen_.amperes, kAmpere);
        const std::string squared = "(" + current + ")^2";

        Add("Tensiunea totală", "U = R · I", Text(seen_.total_ohms, kOhm) + " · " + current, seen_.total_volts, kVolt,
            Field::txtUst, 0);
        for (int k = 0; k < kResistorCount; ++k) {
            const auto r = static_cast<std::size_t>(k);
            Add("Căderea de tensiune pe R" + std::to_string(k + 1), Sub("U", k) + " = " + Sub("R", k) + " · I",
                Text(seen_.ohms[r], kOhm) + " · " + current, seen_.drops[r], kVolt, Field::txtUs, k);
        }
        for (int k = 0; k < kResistorCount; ++k) {
            const auto r = static_cast<std::size_t>(k);
            Add("Puterea în R" + std::to_string(k + 1), Sub("P", k) + " = " + Sub("R", k) + " · I^2",
                Text(seen_.ohms[r], kOhm) + " · " + squared, seen_.powers[r], kWatt, Field::txtPs, k);
        }
        Add("Puterea totală", "P = R · I^2", Text(seen_.total_ohms, kOhm) + " · " + squared, seen_.total_watts, kWatt,
            Field::txtPst, 0);
    }

    NumberLocale locale_;
    RecalculatedCopy copy_;
    const FieldModel& shown_;  // its results as the window shows them
    const Recalculation& seen_;
    int left_ = 0;             // results computed that no step tells yet
    std::string stopped_at_;   // the first result it did not compute
    WorkedSolution solution_;
};

// A character of a text as HTML: escaped, and the blank between a number
// and its unit unbreakable, so that a line break never parts them.
std::string HtmlOf(std::string_view text, std::size_t at) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (text[at] == ' ' && at > 0 && at + 1 < text.size() && digit(text[at - 1]) && letter(text[at + 1])) return "&nbsp;";
    return HtmlEscaped(text.substr(at, 1));
}

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
        out += html ? HtmlOf(notation, at) : std::string(1, c);
    }
    return out;
}

// "Name: formula = values = result ≈ shown (note)"; a stop says only why.
std::string Line(const SolutionStep& step, bool html) {
    const auto plain = [html](std::string_view text) {
        if (!html) return std::string(text);
        std::string out;
        for (std::size_t at = 0; at < text.size(); ++at) out += HtmlOf(text, at);
        return out;
    };
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
    std::string text = std::string(texts::kSolution) + "\n";
    for (const SolutionStep& step : solution.steps) text += Line(step, false) + "\n";
    return text;
}

std::string SolutionList(const WorkedSolution& solution) {
    std::string html = "<ol>\n";
    for (const SolutionStep& step : solution.steps) html += "<li>" + Line(step, true) + "</li>\n";
    return html + "</ol>\n";
}

std::string SolutionHtml(const WorkedSolution& solution) {
    return "<meta charset=\"utf-8\"><p><b>" + HtmlEscaped(texts::kSolution) + "</b></p>\n" + SolutionList(solution);
}

}  // namespace quorvel
