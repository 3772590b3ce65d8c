#include "calc/entry_text.h"

#include <string>

#include "calc/strict_reading.h"

namespace quorvel {
namespace {

// The settings with another mark for the decimal point; a group separator
// that is that mark stands for none.
NumberLocale WithPoint(const NumberLocale& locale, const char* mark) {
    NumberLocale other = locale;
    other.decimal_separator = mark;
    if (other.group_separator == mark) other.group_separator.clear();
    return other;
}

}  // namespace

// The settings' own reading first, then "." and "," as the point: a number
// in any of them is a number, wherever another reading ran out or overflowed.
EntryText ReadEntry(std::string_view text, const NumberLocale& locale) {
    if (text.empty()) return {};
    bool too_large = false;
    bool beginning = false;
    for (const char* point : {static_cast<const char*>(nullptr), ".", ","}) {
        double value = 0;
        switch (detail::ReadStrict(text, point ? WithPoint(locale, point) : locale, value)) {
            case detail::StrictReading::number: return {EntryReading::number, value < 0};
            case detail::StrictReading::overflow: too_large = true; break;
            case detail::StrictReading::beginning: beginning = true; break;
            case detail::StrictReading::not_a_number: break;
        }
    }
    if (too_large) return {EntryReading::too_large, false};
    // No strict value yet: the sign is the one the entry counts.
    if (beginning) return {EntryReading::beginning, EntryValue(text, locale) < 0};
    return {};
}

double EntryValue(std::string_view text, const NumberLocale& locale) {
    const std::string& separator = locale.DecimalPoint();
    const bool other_separator = separator != "." && separator != ",";
    if (text.find(',') == std::string_view::npos &&
        (!other_separator || text.find(separator) == std::string_view::npos)) {
        return ParseLeading(text);
    }
    std::string dotted(text);
    if (other_separator) {
        for (auto at = dotted.find(separator); at != std::string::npos; at = dotted.find(separator, at + 1)) {
            dotted.replace(at, separator.size(), ".");
        }
    }
    for (char& c : dotted) {
        if (c == ',') c = '.';
    }
    return ParseLeading(dotted);
}

}  // namespace quorvel
