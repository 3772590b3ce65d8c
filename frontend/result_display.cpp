#include "frontend/result_display.h"

#include <algorithm>
#include <vector>

namespace quorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number text taken apart: sign, whole-number digits, fraction digits, and
// the exponent as written ("E+296"), if any.
struct Parts {
    std::string_view sign, whole, fraction, exponent;
};

Parts Split(std::string_view text, std::string_view point) {
    Parts parts;
    if (text.starts_with('-')) {
        parts.sign = text.substr(0, 1);
        text.remove_prefix(1);
    }
    const auto e = text.find('E');
    if (e != std::string_view::npos) {
        parts.exponent = text.substr(e);
        text = text.substr(0, e);
    }
    const auto at = point.empty() ? std::string_view::npos : text.find(point);
    parts.whole = text.substr(0, at);
    if (at != std::string_view::npos) parts.fraction = text.substr(at + point.size());
    return parts;
}

// The first k digits of a mantissa with the point after its first digit, the
// cut mark where digits were dropped, and the exponent: "2,2…E+4".
std::string ExponentForm(const Parts& parts, std::string_view digits, std::size_t k, std::string_view point,
                         const std::string& exponent) {
    std::string shown(parts.sign);
    shown += digits.substr(0, 1);
    if (k > 1) shown.append(point).append(digits.substr(1, k - 1));
    if (k < digits.size()) shown += kCutMark;
    return shown + exponent;
}

// The longest cut that fits, best first; the shortest, standing in the box's
// margins, where none does.
std::string Cut(std::string_view text, std::string_view point, double room, const TextWidth& width) {
    const Parts parts = Split(text, point);
    std::vector<std::string> cuts;  // from the longest to the shortest
    if (parts.exponent.empty()) {
        // The fraction cut, while a digit that is not zero stays in sight.
        const bool zero = std::all_of(text.begin(), text.end(), [](char c) { return !IsDigit(c) || c == '0'; });
        for (std::size_t k = parts.fraction.size(); k-- > 0;) {
            std::string shown = std::string(parts.sign).append(parts.whole);
            if (k > 0) shown.append(point).append(parts.fraction.substr(0, k));
            const bool significant =
                zero || std::any_of(shown.begin(), shown.end(), [](char c) { return IsDigit(c) && c != '0'; });
            if (significant) cuts.push_back(shown + std::string(kCutMark));
        }
        // Exponent form: the digits from the first that is not zero.
        std::string digits = std::string(parts.whole).append(parts.fraction);
        const auto first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
        const auto power = static_cast<long>(parts.whole.size()) - 1 - static_cast<long>(first);
        digits.erase(0, first);
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        const std::string exponent = std::string("E").append(power < 0 ? "-" : "+").append(std::to_string(std::abs(power)));
        for (std::size_t k = digits.size(); k >= 1; --k) cuts.push_back(ExponentForm(parts, digits, k, point, exponent));
    } else {
        const std::string digits = std::string(parts.whole).append(parts.fraction);
        for (std::size_t k = digits.size(); k-- > 1;) {
            cuts.push_back(ExponentForm(parts, digits, k, point, std::string(parts.exponent)));
        }
    }
    for (const std::string& shown : cuts) {
        if (width(shown) <= room) return shown;
    }
    return cuts.empty() ? std::string(text) : cuts.back();
}

}  // namespace

ResultDisplay DisplayResult(std::string_view text, std::string_view unit, std::string_view description,
                            std::string_view decimal_point, bool fits, double room, const TextWidth& width) {
    ResultDisplay display;
    display.spoken = description;
    if (text.empty() || fits) {
        display.shown = text;
        return display;
    }
    display.cut = true;
    display.shown = Cut(text, decimal_point, room, width);
    display.tooltip = unit.empty() ? std::string(text) : std::string(text).append(" ").append(unit);
    display.spoken = display.tooltip + ". " + std::string(description);
    return display;
}

}  // namespace quorvel
