// Numbers written as text and read back, for every double but NaN and the
// infinities: the first 8 input bytes are its bit pattern.

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

#include "number/number_text.h"
#include "fuzz/check.h"
#include "fuzz/locales.h"
#include "test_support/fifteen_digits.h"

namespace {

using namespace quorvel;

// "-1.23456789012345E-308" and "-0.0000123456789012345" are the longest.
constexpr std::size_t kLongestText = 22;

using testing::ToFifteenDigits;

bool Contains(const std::string& text, const char* word) {
    for (std::size_t i = 0; i + std::strlen(word) <= text.size(); ++i) {
        bool same = true;
        for (std::size_t j = 0; word[j] != '\0'; ++j) {
            const char c = text[i + j];
            same = same && (c | 0x20) == word[j];
        }
        if (same) return true;
    }
    return false;
}

void CheckRoundTrip(double value, const NumberLocale& locale, double expected) {
    const std::string text = NumberToText(value, locale);
    FUZZ_CHECK(text.size() <= kLongestText + locale.DecimalPoint().size() - 1);
    FUZZ_CHECK(!Contains(text, "inf") && !Contains(text, "nan"));
    try {
        FUZZ_CHECK(ParseStrict(text, locale) == expected);
    } catch (...) {
        FUZZ_FAIL("a written number did not read back");
    }
}

void CheckRoundPlaces(double value) {
    const double rounded = RoundPlaces(value, 3);
    FUZZ_CHECK(std::isfinite(rounded));
    if (std::abs(value) >= 1e12) return;
    // The decimal rounding moves by at most half a place; the double nearest
    // that decimal may lie half a step of the doubles further off.
    const double step = std::nextafter(std::abs(rounded), std::numeric_limits<double>::infinity()) - std::abs(rounded);
    FUZZ_CHECK(std::abs(rounded - value) <= 0.0005 + step / 2);
    FUZZ_CHECK(RoundPlaces(rounded, 3) == rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(std::uint64_t)) return -1;
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double value = std::bit_cast<double>(bits);
    if (!std::isfinite(value)) return -1;

    const double expected = ToFifteenDigits(value);
    for (const NumberLocale& locale : fuzzing::kSoundLocales) CheckRoundTrip(value, locale, expected);
    CheckRoundPlaces(value);
    return 0;
}
