#include "frontend/result_display.h"

#include <algorithm>
#include <optional>

namespace quorvel {
namespace {

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

// A kind of cut, from the longest to the shortest: its count, and the
// cut at a place in that order, written only when it is measured.
struct Cuts {
    std::size_t count = 0;
    std::function<std::string(std::size_t)> at;
};

// The first of the cuts that fits. Past its first (the only one that may go
// without the cut mark) each cut is narrower than the one before, so the rest
// is searched by halves: a few widths measured, not one per digit.
std::optional<std::string> FirstThatFits(const Cuts& cuts, double room, const TextWidth& width) {
    if (cuts.count == 0) return std::nullopt;
    if (std::string first = cuts.at(0); width(first, 1) <= room) return first;
    std::size_t low = 1, high = cuts.count;  // the first that fits is in [low, high]; high: none
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (width(cuts.at(middle), 1) <= room) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    if (low == cuts.count) return std::nullopt;
    return cuts.at(low);
}

// The longest cut that fits, best first: one in the number's own form, then
// one in exponent form; the shortest where none does.
std::string Cut(std::string_view text, std::string_view point, double room, const TextWidth& width) {
    const Parts parts = Split(text, point);
    Cuts own_form;
    Cuts exponent_form;
    std::string digits = std::string(parts.whole).append(parts.fraction);
    std::string exponent(parts.exponent);
    if (parts.exponent.empty()) {
        // The fraction cut to k digits, k from one fewer than it has down to
        // none, while a digit that is not zero stays in sight.
        const auto nonzero = [](std::string_view some) { return some.find_first_not_of('0') != std::string_view::npos; };
        std::size_t fewest = 0;
        if (!nonzero(parts.whole) && nonzero(parts.fraction)) fewest = parts.fraction.find_first_not_of('0') + 1;
        own_form.count = parts.fraction.size() > fewest ? parts.fraction.size() - fewest : 0;
        own_form.at = [&parts, point](std::size_t i) {
            const std::size_t k = parts.fraction.size() - 1 - i;
            std::string shown = std::string(parts.sign).append(parts.whole);
            if (k > 0) shown.append(point).append(parts.fraction.substr(0, k));
            return shown.append(kCutMark);
        };
        // Exponent form: the digits from the first that is not zero, all of them first.
        const auto first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
        const auto power = static_cast<long>(parts.whole.size()) - 1 - static_cast<long>(first);
        digits.erase(0, first);
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        exponent = std::string("E").append(power < 0 ? "-" : "+").append(std::to_string(std::abs(power)));
        exponent_form.count = digits.size();
    } else {
        exponent_form.count = digits.empty() ? 0 : digits.size() - 1;  // a cut drops one digit at least
    }
    const std::size_t most = parts.exponent.empty() ? digits.size() : digits.size() - 1;
    exponent_form.at = [&, most](std::size_t i) { return ExponentForm(parts, digits, most - i, point, exponent); };
    for (const Cuts* cuts : {&own_form, &exponent_form}) {
        if (std::optional<std::string> shown = FirstThatFits(*cuts, room, width)) return *shown;
    }
    if (exponent_form.count > 0) return exponent_form.at(exponent_form.count - 1);
    return own_form.count > 0 ? own_form.at(own_form.count - 1) : std::string(text);
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
    // A smaller size from the share the widths give, as far as the font's
    // own rounding at that size asks.
    if (const double full = width(display.shown, 1); full > room) {
        constexpr double kStep = 1.0 / 64;
        display.size = room / full;
        while (display.size > kStep && width(display.shown, display.size) > room) display.size -= kStep;
    }
    display.tooltip = unit.empty() ? std::string(text) : std::string(text).append(" ").append(unit);
    display.spoken = display.tooltip + ". " + std::string(description);
    return display;
}

}  // namespace quorvel
