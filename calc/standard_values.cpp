#include "calc/standard_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "number/exact_decimal.h"

namespace quorvel {
namespace {

constexpr int kDigits = 17;

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (; exponent > 0; --exponent) power *= 10;
    return power;
}

// A mantissa of two or three digits in a decade.
Magnitude Standard(std::uint16_t mantissa, int decade) {
    constexpr std::uint64_t kTwoDigits = 1'000'000'000'000'000;  // 10^15
    return {decade, mantissa < 100 ? mantissa * kTwoDigits : mantissa * (kTwoDigits / 10)};
}

Magnitude Lowest(const Series& series) { return Standard(series.mantissas.front(), 0); }   // 1 ohm
Magnitude Highest(const Series& series) { return Standard(series.mantissas.front(), 9); }  // 1000 megohms

}  // namespace

Magnitude ExactMagnitude(double number, int steps) {
    if (!(number > 0)) return {};
    const ExactDecimal exact = ShortestDecimal(std::min(number, std::numeric_limits<double>::max()));
    return {exact.decade + 3 * steps, exact.digits * PowerOfTen(kDigits - exact.count)};
}

std::optional<Magnitude> StepUp(const Series& series, Magnitude value) {
    if (value < Lowest(series)) return Lowest(series);
    if (value >= Highest(series)) return std::nullopt;
    for (const std::uint16_t mantissa : series.mantissas) {
        if (Standard(mantissa, value.decade) > value) return Standard(mantissa, value.decade);
    }
    return Standard(series.mantissas.front(), value.decade + 1);
}

std::optional<Magnitude> StepDown(const Series& series, Magnitude value) {
    if (value <= Lowest(series)) return std::nullopt;
    if (value > Highest(series)) return Highest(series);
    for (auto mantissa = series.mantissas.rbegin(); mantissa != series.mantissas.rend(); ++mantissa) {
        if (Standard(*mantissa, value.decade) < value) return Standard(*mantissa, value.decade);
    }
    return Standard(series.mantissas.back(), value.decade - 1);
}

std::optional<Magnitude> Nearest(const Series& series, Magnitude value) {
    if (value < Lowest(series) || value > Highest(series)) return std::nullopt;
    const auto below = StepDown(series, value);
    const auto above = StepUp(series, value);
    if (!below || !above || StepUp(series, *below) != above) return value;  // a standard value itself
    // value / below against above / value, as value² against below × above,
    // whose decades differ by at most one.
    __extension__ using Wide = unsigned __int128;
    Wide square = Wide{value.digits} * value.digits;
    Wide product = Wide{below->digits} * above->digits;
    const int shift = 2 * value.decade - below->decade - above->decade;
    if (shift > 0) square *= 10;
    if (shift < 0) product *= 10;
    return square <= product ? below : above;
}

InUnit ToUnit(Magnitude value) {
    if (value.digits == 0) return {0, 0};
    const int steps = std::clamp(value.decade / 3, 0, 2);
    std::uint64_t digits = value.digits;
    int exponent = value.decade - 3 * steps - (kDigits - 1);
    for (; digits % 10 == 0; digits /= 10) ++exponent;
    return {NearestDouble(digits, exponent), steps};
}

double PercentFrom(Magnitude value, Magnitude from) {
    const double ratio = static_cast<double>(value.digits) / static_cast<double>(from.digits);
    return (ratio * std::pow(10.0, value.decade - from.decade) - 1) * 100;
}

}  // namespace quorvel
