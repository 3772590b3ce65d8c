#pragma once

// The part a resistor needs, by the typical figures of common parts: the
// smallest that carries its power at no more than half its rating. A
// through-hole part is chosen by its power alone: its limiting voltage is
// its datasheet's, and is said to matter above 200 V. A chip must hold its
// drop within its working voltage too. A 0 Ohm part is a jumper, whose
// current only its datasheet limits.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct PowerRating {
    std::string_view name;  // "1/8 W"
    double watts;
};

struct ChipSize {
    std::string_view size;  // its length and width, in hundredths of an inch
    PowerRating rating;
    double working_volts;
};

inline constexpr std::array kThroughHoleRatings{
    PowerRating{"1/8 W", 0.125}, PowerRating{"1/4 W", 0.25}, PowerRating{"1/2 W", 0.5}, PowerRating{"1 W", 1},
    PowerRating{"2 W", 2},       PowerRating{"3 W", 3},      PowerRating{"5 W", 5},
};
inline constexpr std::array kChipSizes{
    ChipSize{"0402", {"1/16 W", 0.0625}, 50}, ChipSize{"0603", {"1/10 W", 0.1}, 75},
    ChipSize{"0805", {"1/8 W", 0.125}, 150},  ChipSize{"1206", {"1/4 W", 0.25}, 200},
    ChipSize{"1210", {"1/2 W", 0.5}, 200},    ChipSize{"2010", {"3/4 W", 0.75}, 200},
    ChipSize{"2512", {"1 W", 1}, 200},
};
static_assert([] {
    for (std::size_t size = 1; size < kChipSizes.size(); ++size) {
        const ChipSize &smaller = kChipSizes[size - 1], &larger = kChipSizes[size];
        if (larger.rating.watts <= smaller.rating.watts || larger.working_volts < smaller.working_volts) return false;
    }
    return true;
}(), "kChipSizes grows in power and in working voltage, the smallest first");
// A part is loaded to at most this share of its rated power.
inline constexpr double kLoadShare = 0.5;
// Above this drop a through-hole part's limiting voltage is to be read on its datasheet.
inline constexpr double kThroughHoleVoltsToRead = 200;

inline constexpr std::string_view kRatingNote =
    "Puterile \u0219i tensiunile de lucru sunt cifre tipice, cu piesa \u00EEnc\u0103rcat\u0103 la cel mult "
    "jum\u0103tate din puterea ei; foaia de catalog a piesei decide.";

struct PartRating {
    bool jumper = false;
    bool judged = true;  // false: its drop or power could not be computed, so no part is chosen
    std::optional<PowerRating> through_hole;  // none: above every rating
    bool volts_to_read = false;               // the drop is above 200 V
    std::optional<ChipSize> chip;             // none: above every size
    bool beyond_chip_watts = false;           // no chip holds its power
    bool beyond_chip_volts = false;           // no chip holds its drop
};

// volts, watts: the part's drop and power; none where not computed.
PartRating RatingOf(bool jumper, std::optional<double> volts, std::optional<double> watts);

// "1/4 W", and what the datasheet must say above 200 V; or plainly that
// none holds it. The same for a chip: "1206 (1/4 W, 200 V)". A jumper's
// one sentence serves both, as does a part not judged.
bool OneSentence(const PartRating& rating);
std::string ThroughHoleText(const PartRating& rating);
std::string ChipText(const PartRating& rating);

}  // namespace quorvel
