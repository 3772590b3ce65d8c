#include <string>

#include "calc/number_text.h"

namespace quorvel {

// A reader takes "2,2" and "2.2" alike for two point two, whatever the
// regional settings say; so does the calculation, and the locale's own
// separator counts as a point too.
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
