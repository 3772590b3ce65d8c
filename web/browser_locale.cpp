#include "web/browser_locale.h"

#include <string>

#include <emscripten/val.h>

namespace quorvel {

NumberLocale BrowserNumberLocale() {
    using emscripten::val;
    // Large enough to be grouped in every locale, with a fraction.
    const val parts = val::global("Intl")["NumberFormat"].new_().call<val>("formatToParts", 1234567.5);
    NumberLocale locale{".", "", ""};
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val part = parts[i];
        const std::string type = part["type"].as<std::string>();
        if (type == "decimal") locale.decimal_separator = part["value"].as<std::string>();
        if (type == "group") locale.group_separator = part["value"].as<std::string>();
    }
    return locale;
}

}  // namespace quorvel
