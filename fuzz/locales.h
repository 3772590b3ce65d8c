#pragma once

// The regional settings the fuzz targets run under: those of the tests, and
// odd ones a user's system may still hand over.

#include <array>
#include <cstddef>
#include <cstdint>

#include "number/number_text.h"
#include "test_support/locales.h"

namespace quorvel::fuzzing {

// Settings under which NumberToText writes texts ParseStrict reads back.
inline const std::array<NumberLocale, 6> kSoundLocales{
    testing::kDotLocale,
    testing::kRomanian,
    testing::kFrench,
    testing::kSwissGerman,
    NumberLocale{"", "", ""},                         // nothing set: "." and no groups
    NumberLocale{"\u066B", "\u066C", "\u062F.\u0625"}, // Arabic: multi-byte separators, a symbol holding "."
};

// Settings that break the round trip but must still never crash a reading.
inline const std::array<NumberLocale, 6> kOddLocales{
    NumberLocale{".", ".", "$"},  // groups and decimals alike
    NumberLocale{",", " ", ""},   // blanks as groups
    NumberLocale{".", ",", "E"},  // a symbol that looks like an exponent
    NumberLocale{".", ",", "-"},  // a symbol that looks like a sign
    NumberLocale{"1", "0", "9"},  // digits everywhere
    NumberLocale{"..", "", "\xFF"},
};

// The locale a first input byte stands for.
inline const NumberLocale& LocaleFor(std::uint8_t selector) {
    const std::size_t i = selector % (kSoundLocales.size() + kOddLocales.size());
    return i < kSoundLocales.size() ? kSoundLocales[i] : kOddLocales[i - kSoundLocales.size()];
}

}  // namespace quorvel::fuzzing
