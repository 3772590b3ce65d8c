#pragma once

// How far a part may be from its value, in hundredths of a percent, and the
// tolerances a circuit is given: its parts all at one, ±5 % at start.

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "number/number_text.h"

namespace quorvel {

struct Tolerance {
    int hundredths = 0;  // of a percent: 500 is ±5 %
    auto operator<=>(const Tolerance&) const = default;
};

inline constexpr std::array kCircuitTolerances{Tolerance{100}, Tolerance{200}, Tolerance{500}, Tolerance{1000},
                                               Tolerance{2000}};
inline constexpr Tolerance kStartTolerance{500};

// "±5 %", "±0,05 %": in the settings' form.
std::string ToleranceText(Tolerance tolerance, const NumberLocale& locale);

// A circuit's tolerance as the command line gives it, in percent, with or
// without its sign: "5", "5%", "5 %". None for any other, nor for a
// tolerance that is not a circuit's.
std::optional<Tolerance> ReadCircuitTolerance(std::string_view text);

}  // namespace quorvel
