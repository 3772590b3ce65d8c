// Properties of the number text rules over many random doubles and texts.

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "number/number_text.h"
#include "test_support/fifteen_digits.h"
#include "test_support/locales.h"
#include "test_support/text_pieces.h"

namespace quorvel {
namespace {

const std::vector<NumberLocale> kLocales = {testing::kDotLocale, testing::kRomanian, testing::kFrench,
                                            testing::kSwissGerman};

// Doubles from every corner of the range: random bit patterns (no NaN or
// infinity) and short decimals like those a user types.
double RandomDouble(std::mt19937_64& random) {
    if (random() % 2 == 0) {
        for (;;) {
            const double value = std::bit_cast<double>(random());
            if (std::isfinite(value)) return value;
        }
    }
    const double mantissa = static_cast<double>(random() % 2000001) - 1000000;
    return mantissa * std::pow(10.0, static_cast<int>(random() % 30) - 15);
}

using testing::ToFifteenDigits;

// Doubles at the very top of the range, where 15-digit rounding overflows.
TEST(NumberTextProperty, TextsAtTheTopOfTheRangeReadBack) {
    double value = std::numeric_limits<double>::max();
    for (int n = 0; n < 2000; ++n, value = std::nextafter(value, 0.0)) {
        for (const double signed_value : {value, -value}) {
            const std::string text = NumberToText(signed_value, testing::kDotLocale);
            ASSERT_EQ(ParseStrict(text, testing::kDotLocale), ToFifteenDigits(signed_value)) << text;
        }
    }
}

TEST(NumberTextProperty, TextOfANumberReadsBackToFifteenDigits) {
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 20000; ++n) {
        const double value = RandomDouble(random);
        for (const auto& locale : kLocales) {
            const std::string text = NumberToText(value, locale);
            ASSERT_LE(text.size(), 23u) << text;
            ASSERT_EQ(ParseStrict(text, locale), ToFifteenDigits(value) + 0.0) << text;
        }
    }
}

// Texts built from the characters a user might type or paste.
std::string RandomText(std::mt19937_64& random) {
    std::string text;
    const auto length = random() % 10;
    for (std::uint64_t i = 0; i < length; ++i) text += testing::kTextPieces[random() % testing::kTextPieces.size()];
    return text;
}

// Whatever is typed, the strict reading gives a finite number, the same
// with blanks around the text, or fails with one of its own errors. Under
// the sanitizers each error thrown costs a hundredfold, and the fuzz target
// of number texts reads any text there: a tenth of the texts.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_SANITIZED
#endif
#endif
#ifdef QUORVEL_SANITIZED
constexpr int kThrowingTexts = 5000;
#else
constexpr int kThrowingTexts = 50000;
#endif
TEST(NumberTextProperty, StrictReadingIsFiniteAndBlankFreeOrFailsWithItsOwnErrors) {
    std::mt19937_64 random(8122026);
    for (int n = 0; n < kThrowingTexts; ++n) {
        const std::string text = RandomText(random);
        for (const auto& locale : kLocales) {
            double value = 0;
            try {
                value = ParseStrict(text, locale);
            } catch (const ConversionError&) {
                continue;
            } catch (const OverflowError&) {
                continue;
            }
            ASSERT_TRUE(std::isfinite(value)) << text;
            ASSERT_EQ(ParseStrict(" " + text + " ", locale), value) << text;
        }
    }
}

TEST(NumberTextProperty, BothReadingsAgreeOnPlainPointNumbers) {
    std::mt19937_64 random(42);
    for (int n = 0; n < 20000; ++n) {
        const double value = RandomDouble(random);
        std::string text = NumberToText(value, testing::kDotLocale);
        if (text.find('E') == std::string::npos && random() % 2) text += "0";  // a digit the writer never adds
        ASSERT_EQ(ParseStrict(text, testing::kDotLocale), ParseLeading(text)) << text;
    }
}

// The significant digits of a number text, without the zeros around them,
// and the power of ten of the first; "." or "," for the point.
struct Significant {
    std::string digits;
    int exponent = 0;
    bool operator==(const Significant&) const = default;
};

Significant SignificantOf(std::string_view text) {
    Significant s;
    if (text.starts_with('-')) text.remove_prefix(1);
    if (const auto e = text.find_first_of("Ee"); e != std::string_view::npos) {
        const char* first = text.data() + e + 1;
        std::from_chars(first + (*first == '+' ? 1 : 0), text.data() + text.size(), s.exponent);
        text = text.substr(0, e);
    }
    const auto point = text.find_first_of(".,");
    const auto whole = static_cast<int>(point == std::string_view::npos ? text.size() : point);
    std::string all(text.substr(0, static_cast<std::size_t>(whole)));
    if (point != std::string_view::npos) all += text.substr(point + 1);
    const auto first = all.find_first_not_of('0');
    const auto last = all.find_last_not_of('0');
    s.digits = all.substr(first, last - first + 1);
    s.exponent += whole - 1 - static_cast<int>(first);
    return s;
}

// For every double with full precision, the 15-digit rounding written as
// briefly as possible is the shortest text that reads back as that rounding.
TEST(NumberTextProperty, TextHasTheDigitsOfTheFifteenDigitRoundingAndNoMore) {
    std::mt19937_64 random(1208);
    for (int n = 0; n < 50000; ++n) {
        const double value = RandomDouble(random);
        if (value == 0 || std::abs(value) < std::numeric_limits<double>::min()) continue;
        char shortest[40];
        const auto end = std::to_chars(shortest, shortest + sizeof shortest, ToFifteenDigits(value),
                                       std::chars_format::scientific).ptr;
        const Significant expected = SignificantOf(std::string_view(shortest, static_cast<std::size_t>(end - shortest)));
        for (const auto& locale : {testing::kDotLocale, testing::kRomanian}) {
            const std::string text = NumberToText(value, locale);
            ASSERT_EQ(SignificantOf(text), expected) << text;
            ASSERT_EQ(text.find('E') != std::string::npos, expected.exponent < -5 || expected.exponent > 14) << text;
            ASSERT_EQ(text.starts_with('-'), value < 0) << text;
        }
    }
}

}  // namespace
}  // namespace quorvel
