#include "frontend/tolerance.h"

#include <algorithm>
#include <charconv>

#include "frontend/trimmed_text.h"

namespace quorvel {

std::string ToleranceText(Tolerance tolerance, const NumberLocale& locale) {
    return "\u00B1" + NumberToText(tolerance.hundredths / 100.0, locale) + " %";
}

std::optional<Tolerance> ReadCircuitTolerance(std::string_view text) {
    text = Trimmed(text);
    if (text.ends_with('%')) text = Trimmed(text.substr(0, text.size() - 1));
    int percent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (error != std::errc{} || end != text.data() + text.size() || percent < 0 || percent > 100) {
        return std::nullopt;
    }
    const Tolerance read{percent * 100};
    if (std::find(kCircuitTolerances.begin(), kCircuitTolerances.end(), read) == kCircuitTolerances.end()) {
        return std::nullopt;
    }
    return read;
}

}  // namespace quorvel
