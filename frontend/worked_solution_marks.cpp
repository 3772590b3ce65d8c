#include "frontend/worked_solution_marks.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "calc/scaling.h"

namespace quorvel {
namespace {

// A number exactly as the system writes it: ± digits × 10^exponent.
struct Written {
    explicit Written(double value, int decades = 0) {
        static const NumberLocale point{".", "", ""};
        const std::string text = NumberToText(value, point);  // "-1.5E-06", "1002770", "0.25"
        negative = text.front() == '-';
        int fraction = 0;  // digits after the point
        bool point_seen = false;
        std::size_t at = negative ? 1 : 0;
        for (; at < text.size() && text[at] != 'E'; ++at) {
            if (text[at] == '.') {
                point_seen = true;
                continue;
            }
            digits += text[at];
            if (point_seen) ++fraction;
        }
        if (at < text.size()) std::from_chars(text.data() + at + (text[at + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
        exponent += decades - fraction;
    }

    bool negative = false;
    std::string digits;
    int exponent = 0;  // of the last digit
};

// Whether the terms add up exactly to the total: their digits less the
// total's, place by place from the lowest, leave nothing.
bool AddUpTo(const std::vector<Written>& terms, const Written& total) {
    int lowest = total.exponent;
    int highest = total.exponent + static_cast<int>(total.digits.size());
    for (const Written& term : terms) {
        lowest = std::min(lowest, term.exponent);
        highest = std::max(highest, term.exponent + static_cast<int>(term.digits.size()));
    }
    std::vector<int> places(static_cast<std::size_t>(highest - lowest + 1));
    const auto add = [&](const Written& number, int sign) {
        const int size = static_cast<int>(number.digits.size());
        for (int d = 0; d < size; ++d) {
            const int digit = number.digits[static_cast<std::size_t>(d)] - '0';
            places[static_cast<std::size_t>(number.exponent + size - 1 - d - lowest)] += number.negative ? -sign * digit : sign * digit;
        }
    };
    for (const Written& term : terms) add(term, 1);
    add(total, -1);
    int carry = 0;
    for (const int place : places) {
        if ((place + carry) % 10 != 0) return false;
        carry = (place + carry) / 10;
    }
    return carry == 0;
}

std::vector<Written> AllWritten(const std::array<double, kResistorCount>& numbers) {
    return std::vector<Written>(numbers.begin(), numbers.end());
}

// The steps of a unit word from its box's base unit: the resistance's from
// the choosers' list, a voltage's or power's from its ladder; the empty
// unit of a zero, none.
int StepsOfUnit(Field box, std::string_view unit) {
    if (box == Field::txtRst) return StepsOf(Field::cboRs, unit);
    const UnitLadder& ladder = *InfoOf(box).ladder;
    for (std::size_t range = 0; range < ladder.size(); ++range) {
        if (ladder[range] == unit) return static_cast<int>(range) + kMicroSteps;
    }
    return 0;
}

}  // namespace

bool ShownRounded(double result, Field box, std::string_view number, std::string_view unit,
                  const NumberLocale& locale) {
    const Written shown(ParseStrict(number, locale), 3 * StepsOfUnit(box, unit));
    return !AddUpTo({Written(result)}, shown);
}

std::string ZeroShownBelow(double result, Field box, std::string_view number, const NumberLocale& locale) {
    const UnitLadder* ladder = InfoOf(box).ladder;
    if (result == 0 || ladder == nullptr || ParseStrict(number, locale) != 0) return {};
    double least = 1;
    for (int place = 0; place < kShownPlaces; ++place) least /= 10;
    return NumberToText(least / 2, locale) + " " + std::string(ladder->front());
}

SumApart WhySumApart(const std::array<double, kResistorCount>& terms, double sum, double total,
                     const Recalculation& seen) {
    const Written written_total(total);
    if (AddUpTo({Written(sum)}, written_total)) return SumApart::no;
    // The terms and the total share the current: their exact sums are equal
    // where the resistances as written make the total resistance.
    if (!AddUpTo(AllWritten(seen.ohms), Written(seen.total_ohms))) return SumApart::total_resistance;
    return AddUpTo(AllWritten(terms), written_total) ? SumApart::binary : SumApart::written_terms;
}

}  // namespace quorvel
