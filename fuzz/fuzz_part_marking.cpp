// A code typed off a chip, bands picked and a circuit's numbers, from any
// bytes: a length byte and the code; a byte for the count of bands, then a
// byte for each band's colour (in the table's order, one past it for none);
// a byte for the settings, four resistances and the current as eight bytes
// each (a double's own, its magnitude taken, what is not finite as 0), and
// a byte for the tolerance. A code either reads or is refused with a word;
// what reads is told again by codes that read back as the same value. Bands
// that read are told again by bands that read back. The range by tolerance
// is written with no infinity, its least never above its greatest.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "frontend/colour_code.h"
#include "frontend/smd_code.h"
#include "frontend/tolerance_range.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"

namespace {

using namespace quorvel;

void CheckCode(const std::string& typed) {
    const SmdRead read = ReadSmdCode(typed);
    if (!read.value) {
        FUZZ_CHECK(!read.refusal.empty() || typed.find_first_not_of(" \t") == std::string::npos);
        return;
    }
    const SmdCode told = SmdCodeOf(*read.value);
    FUZZ_CHECK(!told.approximate && !told.figures.empty());
    FUZZ_CHECK(ReadSmdCode(told.figures).value == read.value);
    FUZZ_CHECK(told.eia96.empty() || ReadSmdCode(told.eia96).value == read.value);
}

void CheckBands(fuzzing::Input& input) {
    const int count = kBandCounts[static_cast<std::size_t>(input.Pick(static_cast<int>(kBandCounts.size())))];
    std::vector<std::optional<Colour>> picked;
    for (int band = 0; band < count; ++band) {
        const int colour = input.Pick(static_cast<int>(kColourCode.size()) + 1);
        picked.push_back(colour < static_cast<int>(kColourCode.size()) ? std::optional(static_cast<Colour>(colour))
                                                                        : std::nullopt);
    }
    const BandsRead read = ReadBands(picked);
    if (!read.value || !read.tolerance) return;
    const ColourBands told = BandsOf(*read.value, *read.tolerance);
    FUZZ_CHECK(!told.approximate && !told.colours.empty());
    const std::vector<std::optional<Colour>> again(told.colours.begin(), told.colours.end());
    FUZZ_CHECK(ReadBands(again).value == read.value);
}

double NumberFrom(fuzzing::Input& input) {
    std::uint8_t bytes[sizeof(double)];
    for (std::uint8_t& byte : bytes) byte = input.Byte();
    double number = 0;
    std::memcpy(&number, bytes, sizeof number);
    return std::isfinite(number) ? std::fabs(number) : 0;
}

void CheckFigure(const Figure& figure) {
    FUZZ_CHECK(figure.number.find("inf") == std::string::npos && figure.number.find("nan") == std::string::npos);
}

void CheckRange(const FigureRange& range, const NumberLocale& locale, bool ordered) {
    CheckFigure(range.least);
    CheckFigure(range.greatest);
    if (!ordered || range.least.number.empty() || range.greatest.number.empty()) return;
    const auto at = [&](const Figure& figure) { return ParseStrict(figure.number, locale); };
    // Only the numbers of one unit compare; a higher unit holds a greater figure.
    if (range.least.unit == range.greatest.unit) FUZZ_CHECK(at(range.least) <= at(range.greatest));
}

void CheckNumbers(fuzzing::Input& input) {
    const int settings = input.Pick(static_cast<int>(fuzzing::kSoundLocales.size()));
    const NumberLocale& locale = fuzzing::kSoundLocales[static_cast<std::size_t>(settings)];
    std::array<double, kResistorCount> ohms{};
    for (double& resistance : ohms) resistance = NumberFrom(input);
    const double amperes = NumberFrom(input);
    const int pick = input.Pick(static_cast<int>(kCircuitTolerances.size()));
    const Tolerance tolerance = kCircuitTolerances[static_cast<std::size_t>(pick)];
    const CircuitRange range = RangeOf(ohms, amperes, tolerance, locale);
    for (int k = 0; k < kResistorCount; ++k) {
        const auto r = static_cast<std::size_t>(k);
        CheckRange(range.resistances[r], locale, false);  // in units the value reads best in, not the results'
        CheckRange(range.drops[r], locale, true);
        CheckRange(range.powers[r], locale, true);
    }
    for (const FigureRange* total : {&range.total_resistance, &range.total_voltage, &range.total_power}) {
        CheckRange(*total, locale, true);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    CheckCode(input.Text(8));
    CheckBands(input);
    CheckNumbers(input);
    return 0;
}
