#include "number/entry_text.h"

#include <string>

#include "number/decimal.h"
#include "number/strict_reading.h"

namespace quorvel {
namespace {

using detail::StrictReading;

EntryText Reading(EntryReading reading, double value, std::optional<int> steps = {}, bool plain = false) {
    return {reading, value < 0, value, steps, plain};
}

// [sign] digits [mark digits] [exponent], with "." or "," for the mark and a
// digit somewhere before the exponent; nothing before or after it.
std::optional<EntryText> ReadPlain(std::string_view text, const NumberLocale& locale) {
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && detail::IsDigit(text[at])) ++at;
        return text.substr(start, at - start);
    };
    detail::DecimalText number;
    const bool sign = at < text.size() && (text[at] == '-' || text[at] == '+');
    if (sign && text[at++] == '-') number += '-';
    const std::string_view whole = digits();
    std::string_view mark, fraction;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        mark = text.substr(at++, 1);
        fraction = digits();
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    const bool exponent = at < text.size() && (text[at] == 'E' || text[at] == 'e');
    if (exponent) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        if (digits().empty()) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;

    // The locale's own thousand: a first group of one to three digits, then three.
    const bool grouped = !mark.empty() && mark == locale.group_separator && mark != locale.DecimalPoint() &&
                         !exponent && fraction.size() == 3 && !whole.empty() && whole.size() <= 3 &&
                         whole.front() != '0';
    number += whole;
    if (!grouped && !mark.empty()) number += '.';
    number += fraction;
    if (exponent) {
        number += 'e';
        number += text.substr(text.find_first_of("Ee") + 1);
    }
    const auto decimal = detail::ReadDecimal(number);
    if (decimal.overflow) return Reading(EntryReading::too_large, decimal.value);
    return Reading(EntryReading::number, decimal.value, {}, !sign && !exponent && !grouped);
}

// The settings with another mark for the decimal point; a group separator
// that is that mark stands for none.
NumberLocale WithPoint(const NumberLocale& locale, const char* mark) {
    NumberLocale other = locale;
    other.decimal_separator = mark;
    if (other.group_separator == mark) other.group_separator.clear();
    return other;
}

// The group marks a keyboard types in place of the locale's own, after a
// digit and before another, or at the end, where the next key may type it
// (a blank there is only a blank): an apostrophe for ’, a blank or a
// no-break space for a narrow no-break space.
std::string WithTypedGroupMarks(std::string_view text, const NumberLocale& locale) {
    std::string_view typed[2];
    if (locale.group_separator == "\u2019") {
        typed[0] = "'";
    } else if (locale.group_separator == "\u202F" || locale.group_separator == "\u00A0") {
        typed[0] = " ";
        typed[1] = locale.group_separator == "\u202F" ? "\u00A0" : "\u202F";
    }
    std::string out(text);
    if (typed[0].empty()) return out;
    for (std::size_t at = 1; at < out.size(); ++at) {
        if (!detail::IsDigit(out[at - 1])) continue;
        for (std::string_view mark : typed) {
            const std::string_view rest = std::string_view(out).substr(at);
            const bool before_digit = rest.size() > mark.size() && detail::IsDigit(rest[mark.size()]);
            const bool at_end = rest.size() == mark.size() && mark != " ";
            if (!mark.empty() && rest.starts_with(mark) && (before_digit || at_end)) {
                out.replace(at, mark.size(), locale.group_separator);
                break;
            }
        }
    }
    return out;
}

// Today's value of a text no reading takes: the number at its start, after
// "," and the locale's decimal separator have become ".".
double LeadingValue(std::string_view text, const NumberLocale& locale) {
    std::string dotted(text);
    const std::string& separator = locale.DecimalPoint();
    if (separator != "." && separator != ",") {
        for (auto at = dotted.find(separator); at != std::string::npos; at = dotted.find(separator, at + 1)) {
            dotted.replace(at, separator.size(), ".");
        }
    }
    for (char& c : dotted) {
        if (c == ',') c = '.';
    }
    return ParseLeading(dotted);
}

}  // namespace

// A plain number first, then a marking, then the locale's form: the first
// that reads a number wins. Short of one, a too large number, then a
// marking begun, then any beginning.
EntryText ReadEntry(std::string_view text, const NumberLocale& locale, Quantity quantity) {
    if (text.empty()) return {};
    if (auto plain = ReadPlain(text, locale)) return *plain;

    const MarkingReading marking = ReadMarking(text, quantity);
    if (marking.reading == StrictReading::number) return Reading(EntryReading::number, marking.value, marking.steps);
    bool too_large = marking.reading == StrictReading::overflow;
    std::optional<EntryText> strict_beginning;

    const std::string typed = WithTypedGroupMarks(text, locale);
    for (const char* point : {static_cast<const char*>(nullptr), ".", ","}) {
        double value = 0;
        switch (detail::ReadStrict(typed, point ? WithPoint(locale, point) : locale, value)) {
            case StrictReading::number: return Reading(EntryReading::number, value);
            case StrictReading::overflow: too_large = true; break;
            case StrictReading::beginning:
                if (!strict_beginning) strict_beginning = Reading(EntryReading::beginning, value);
                break;
            case StrictReading::not_a_number: break;
        }
    }
    const double leading = LeadingValue(text, locale);
    if (too_large) return {.reading = EntryReading::too_large, .value = leading, .steps = {}};
    if (marking.reading == StrictReading::beginning && marking.marked) {
        return Reading(EntryReading::beginning, marking.value, marking.steps);
    }
    if (strict_beginning) return *strict_beginning;
    if (marking.reading == StrictReading::beginning) return Reading(EntryReading::beginning, marking.value);
    return {.reading = EntryReading::no_number, .value = leading, .steps = {}};
}

}  // namespace quorvel
