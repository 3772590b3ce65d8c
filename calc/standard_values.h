#pragma once

// The standard values of resistors (IEC 60063), each series one table of
// the mantissas of a decade, running from 1 ohm to 1000 megohms. A value
// meets them exactly, as digits and a power of ten, never as a product of
// doubles: 4.7 ohms, however a sum or a product reached it, is the table's
// 47 and not a hair above it.

#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace quorvel {

struct Series {
    std::string_view name;
    std::span<const std::uint16_t> mantissas;  // of one decade, rising: 10 to 91, or 100 to 976
};

inline constexpr std::array<std::uint16_t, 24> kE24Mantissas{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                                             33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
inline constexpr std::array<std::uint16_t, 96> kE96Mantissas{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

inline constexpr Series kE24{"E24", kE24Mantissas};  // 5 % parts
inline constexpr Series kE96{"E96", kE96Mantissas};  // 1 % parts

// A value of ohms not below zero, exactly: the power of ten of its first
// digit and its first 17 significant digits, which hold any double. Zero
// (and anything below it) comes before every other value.
struct Magnitude {
    int decade = std::numeric_limits<int>::min();
    std::uint64_t digits = 0;  // 10^16 to 10^17 - 1; 0 for zero
    auto operator<=>(const Magnitude&) const = default;
};

// A number in a unit the given steps of 1000 above the ohm, as the shortest
// decimal that reads back as that double: 4.7 is 47 × 10^-1.
Magnitude ExactMagnitude(double number, int steps);

// The next standard value above, or below: up from below 1 ohm is 1 ohm,
// down from beyond 1000 megohms is 1000 megohms; none past an end.
std::optional<Magnitude> StepUp(const Series& series, Magnitude value);
std::optional<Magnitude> StepDown(const Series& series, Magnitude value);

// The standard value nearest a value within the series' range, by the
// smaller ratio between them; an exact tie goes to the lower one.
std::optional<Magnitude> Nearest(const Series& series, Magnitude value);

// A value's number in the unit where it is at least 1 and below 1000, or
// the largest, and that unit's steps of 1000: 910 ohms, 1 kilo-ohm, 1000
// megohms.
struct InUnit {
    double number;
    int steps;
};
InUnit ToUnit(Magnitude value);

// How far one value is from another, in percent of the other.
double PercentFrom(Magnitude value, Magnitude from);

}  // namespace quorvel
