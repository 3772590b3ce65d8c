#include <string>

#include "calc/number_text.h"

namespace quorvel {

double EntryValue(std::string_view text, const NumberLocale& locale) {
    const std::string& separator = locale.DecimalPoint();
    if (separator == "." || text.find(separator) == std::string_view::npos) {
        return ParseLeading(text);
    }
    std::string dotted(text);
    for (auto at = dotted.find(separator); at != std::string::npos; at = dotted.find(separator, at + 1)) {
        dotted.replace(at, separator.size(), ".");
    }
    return ParseLeading(dotted);
}

}  // namespace quorvel
