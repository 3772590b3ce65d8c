// Where the standard library cannot read or write doubles, fast_float and
// printf do it instead. They must give what std::from_chars and
// std::to_chars give here, on the round-trip seeds and on many doubles.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "number/decimal.h"
#include "number/decimal_fallback.h"

namespace quorvel::detail {
namespace {

std::string Written(double value, std::chars_format format, int precision, bool by_printf) {
    char text[1400];
    char* end = by_printf ? WriteDecimalPrintf(text, text + sizeof text, value, format, precision)
                          : WriteDecimal(text, text + sizeof text, value, format, precision);
    return std::string(text, end);
}

void ExpectSameReading(const std::string& number) {
    const DecimalReading library = ReadDecimal(number);
    const DecimalReading fallback = ReadDecimalFastFloat(number);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(library.value), std::bit_cast<std::uint64_t>(fallback.value)) << number;
    ASSERT_EQ(library.overflow, fallback.overflow) << number;
}

// The texts the calculator writes and reads back, and a plain round trip.
void ExpectSameTexts(double value) {
    for (const auto& [format, precision] : {std::pair{std::chars_format::scientific, 14},
                                            std::pair{std::chars_format::fixed, 3},
                                            std::pair{std::chars_format::scientific, 16}}) {
        const std::string text = Written(value, format, precision, false);
        ASSERT_EQ(text, Written(value, format, precision, true));
        ExpectSameReading(text);
    }
}

TEST(DecimalFallback, AgreesOnTheRoundTripSeeds) {
    int seeds = 0;
    for (const auto& seed : std::filesystem::directory_iterator(QUORVEL_ROUND_TRIP_SEEDS)) {
        std::ifstream in(seed.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GE(bytes.size(), sizeof(std::uint64_t)) << seed.path();
        std::uint64_t bits = 0;
        std::memcpy(&bits, bytes.data(), sizeof bits);
        ExpectSameTexts(std::bit_cast<double>(bits));
        ++seeds;
    }
    EXPECT_GT(seeds, 10);
}

TEST(DecimalFallback, AgreesOnRandomDoublesAndDigits) {
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 100000; ++n) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) ExpectSameTexts(value);

        // Long mantissas and exponents past both ends of the range.
        std::string digits = random() % 2 ? "-" : "";
        const std::size_t length = 1 + random() % (n % 100 == 0 ? 800 : 25);
        for (std::size_t i = 0; i < length; ++i) digits += static_cast<char>('0' + random() % 10);
        if (random() % 2) digits.insert(digits.size() - random() % length, ".");
        digits += "e" + std::to_string(static_cast<int>(random() % 1400) - 700);
        ExpectSameReading(digits);
    }
}

}  // namespace
}  // namespace quorvel::detail
