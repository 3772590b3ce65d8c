#pragma once

// The colour code of resistors by IEC 60062:2016, as one table: each
// colour's Romanian name (written beside every colour drawn, for a reader
// who tells colours apart badly and for a screen reader), the swatch it is
// drawn with, and what it means as a figure, a multiplier and a tolerance.
// A value is told as bands at a tolerance, and picked bands read back.
//
// Telling: two figures, a multiplier and a tolerance band at ±5 % and wider
// for a value of one or two significant figures; three figures at ±2 % and
// tighter, and for a value of three. The multipliers reach from ×0,001 to
// ×10⁹, so two figures tell 0,01 Ohm to 99 GOhm and three 0,1 Ohm to
// 999 GOhm; where the preferred count cannot tell a value the other does,
// if it can. A value of more figures gets the bands of its nearest E96
// value, marked approximate. ±20 % has no band: two figures and a
// multiplier alone; three figures and a multiplier alone would read as two
// figures and a tolerance, so they are none. 0 Ohm is one black band.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/standard_values.h"
#include "frontend/tolerance.h"

namespace quorvel {

enum class Colour { pink, silver, gold, black, brown, red, orange, yellow, green, blue, violet, grey, white };

struct CodeColour {
    Colour colour;
    std::string_view name;    // Romanian
    std::string_view swatch;  // "#rrggbb"
    std::optional<int> figure;
    int exponent;  // as a multiplier: ×10^exponent
    std::optional<Tolerance> tolerance;
};

inline constexpr std::array kColourCode{
    CodeColour{Colour::pink, "roz", "#f4a6c0", std::nullopt, -3, std::nullopt},
    CodeColour{Colour::silver, "argintiu", "#c0c0c0", std::nullopt, -2, Tolerance{1000}},
    CodeColour{Colour::gold, "auriu", "#c9a227", std::nullopt, -1, Tolerance{500}},
    CodeColour{Colour::black, "negru", "#000000", 0, 0, std::nullopt},
    CodeColour{Colour::brown, "maro", "#7b3f00", 1, 1, Tolerance{100}},
    CodeColour{Colour::red, "ro\u0219u", "#d00000", 2, 2, Tolerance{200}},
    CodeColour{Colour::orange, "portocaliu", "#ff7f00", 3, 3, Tolerance{5}},
    CodeColour{Colour::yellow, "galben", "#ffe000", 4, 4, Tolerance{2}},
    CodeColour{Colour::green, "verde", "#00a040", 5, 5, Tolerance{50}},
    CodeColour{Colour::blue, "albastru", "#0050d0", 6, 6, Tolerance{25}},
    CodeColour{Colour::violet, "violet", "#8000c0", 7, 7, Tolerance{10}},
    CodeColour{Colour::grey, "gri", "#808080", 8, 8, Tolerance{1}},
    CodeColour{Colour::white, "alb", "#ffffff", 9, 9, std::nullopt},
};
// A part without a tolerance band.
inline constexpr Tolerance kNoBandTolerance{2000};

constexpr const CodeColour& CodeOf(Colour colour) { return kColourCode[static_cast<std::size_t>(colour)]; }
static_assert([] {
    for (std::size_t c = 0; c < kColourCode.size(); ++c) {
        if (static_cast<std::size_t>(kColourCode[c].colour) != c) return false;
    }
    return true;
}(), "kColourCode lists every colour in the order of the enum");

enum class NoColourCode {
    none,                    // the value has one
    out_of_range,            // no count of figures reaches it
    three_figures_unbanded,  // three figures at ±20 %, which has no band
};

struct ColourBands {
    std::vector<Colour> colours;  // from the first figure on; empty where there is no code
    bool approximate = false;     // the nearest E96 value's bands
    Magnitude value;              // what they stand for
    NoColourCode none = NoColourCode::none;
};

ColourBands BandsOf(Magnitude value, Tolerance tolerance);

// "galben violet roșu auriu"; "≈ maro roșu galben maro auriu (E96: 1,24 kOhm)";
// or, plainly, that the value has no colour code. As HTML, each name comes
// after a swatch of its colour.
std::string BandsText(const ColourBands& bands, const NumberLocale& locale);
std::string BandsHtml(const ColourBands& bands, const NumberLocale& locale);

// Picking bands: a set of 1 (the black band of 0 Ohm), 3, 4 or 5 bands,
// each band offering only the colours it can have. Three bands are four
// without a tolerance band.
enum class BandRole { figure, multiplier, tolerance };
inline constexpr std::array kBandCounts{1, 3, 4, 5};

std::span<const BandRole> RolesOf(int count);  // none for a count not offered
std::vector<Colour> ColoursOfBand(int count, int band);

struct BandsRead {
    std::optional<Magnitude> value;          // once every figure and the multiplier are picked
    std::optional<Tolerance> tolerance;      // once its band is picked; ±20 % for three bands
};

// picked: a colour, or none yet, for each band of the set, from the first
// figure on. A colour its band cannot have reads as none.
BandsRead ReadBands(std::span<const std::optional<Colour>> picked);

// The value as it forms: "4,7 kOhm ±1 %", "4,7 kOhm" before the tolerance
// band is picked; empty before the value is.
std::string BandsReadText(const BandsRead& read, const NumberLocale& locale);

}  // namespace quorvel
