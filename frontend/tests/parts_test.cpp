#include <gtest/gtest.h>

#include "frontend/colour_code.h"
#include "frontend/entry_paste.h"
#include "frontend/part_value.h"
#include "frontend/smd_code.h"
#include "test_support/headless_calculator.h"

namespace quorvel {
namespace {

// Where each count of figures ends, and where a tolerance changes it.
TEST(Parts, MarkingsAtTheEndsOfTheCodes) {
    struct Row {
        double ohms;
        int tolerance;
        std::string bands, code;
    };
    const Row rows[] = {
        {0.01, 500, "maro negru roz auriu", "R01"},
        {0.047, 100, "galben violet roz maro", "R047"},  // three figures start at 0,1 Ohm: two and a band
        {0.0047, 500, "nu există cod de culori pentru această valoare", "nu există cod SMD pentru această valoare"},
        {0.0475, 100, "nu există cod de culori pentru această valoare", "nu există cod SMD pentru această valoare"},
        {0.22, 2000, "roșu roșu argintiu", "R22"},
        {47.5, 500, "galben violet verde auriu auriu", "47R5 sau 66X"},
        {0.475, 200, "galben violet verde roz roșu", "R475 sau 66Z"},
        {4700, 1000, "galben violet roșu argintiu", "472"},
        {4750, 2000, "nu există cod de culori cu trei cifre fără bandă de toleranță", "4751 sau 66B"},
        {97.6e6, 100, "alb violet albastru verde maro", "9765 sau 96F"},
        {99e9, 500, "alb alb alb auriu", "999"},
        {470e9, 500, "galben violet negru alb auriu", "4709"},  // beyond two figures: three
        {999e9, 100, "alb alb alb alb maro", "9999"},
        {1e12, 500, "nu există cod de culori pentru această valoare", "nu există cod SMD pentru această valoare"},
        {0.001, 500, "nu există cod de culori pentru această valoare", "R001"},
    };
    for (const Row& row : rows) {
        const Magnitude value = ExactMagnitude(row.ohms, 0);
        EXPECT_EQ(BandsText(BandsOf(value, Tolerance{row.tolerance}), testing::kRomanian), row.bands) << row.ohms;
        EXPECT_EQ(SmdCodeText(SmdCodeOf(value), testing::kRomanian), row.code) << row.ohms;
    }
}

// Every code it writes reads back as its value, and so do the bands: each
// E96 value from 0,1 Ohm to 97,6 MOhm by both codes, each E24 value from
// 0,01 Ohm to 91 GOhm by its bands at every circuit tolerance.
TEST(Parts, EveryMarkingReadsBack) {
    for (int exponent = -3; exponent <= 5; ++exponent) {
        for (const std::uint16_t mantissa : kE96Mantissas) {
            const SmdCode code = SmdCodeOf(MagnitudeOf(mantissa, exponent));
            EXPECT_EQ(ReadSmdCode(code.eia96).value, code.value) << mantissa << "e" << exponent;
            EXPECT_EQ(ReadSmdCode(code.figures).value, code.value) << mantissa << "e" << exponent;
        }
    }
    for (int exponent = -3; exponent <= 9; ++exponent) {
        for (const std::uint16_t mantissa : kE24Mantissas) {
            for (const Tolerance tolerance : kCircuitTolerances) {
                const ColourBands bands = BandsOf(MagnitudeOf(mantissa, exponent), tolerance);
                std::vector<std::optional<Colour>> picked(bands.colours.begin(), bands.colours.end());
                const BandsRead read = ReadBands(picked);
                EXPECT_EQ(read.value, bands.value) << mantissa << "e" << exponent;
                EXPECT_EQ(read.tolerance, tolerance) << mantissa << "e" << exponent;
            }
        }
    }
}

TEST(Parts, ACodeReadOrRefused) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"472", "4,7 kOhm"}, {"4R7", "4,7 Ohm"}, {"R22", "0,22 Ohm"}, {"4751", "4,75 kOhm"}, {"66B", "4,75 kOhm"},
        {"01C", "10 kOhm"}, {"01R", "1 Ohm"}, {"01S", "10 Ohm"}, {"01H", "1 kOhm"}, {" 66b ", "4,75 kOhm"},
        {"47R", "3,01 Ohm"}, {"R047", "0,047 Ohm"}, {"470R", "470 Ohm"}, {"000", "0 Ohm"}, {"1009", "100000 MOhm"},
        {"4X7", "nu este un cod SMD: 3 sau 4 cifre, cu R în loc de virgulă (472, 4R7, R22, 4751), sau EIA-96, două "
                "cifre și o literă (66B, 01C)"},
        {"97A", "nu este un cod EIA-96: indexul merge de la 01 la 96"}, {"00C", "nu este un cod EIA-96: indexul merge "
                                                                          "de la 01 la 96"},
        {"0472", "-"}, {"4R7R", "-"}, {"47", "-"}, {"12345", "-"}, {"66G", "-"}, {"4,7", "-"}, {"", ""},
    };
    for (const auto& [code, read] : rows) {
        const SmdRead reading = ReadSmdCode(code);
        const std::string shown = SmdReadText(reading, testing::kRomanian);
        EXPECT_EQ(read == "-" && shown.starts_with("nu este un cod SMD:") ? "-" : shown, read) << code;
        EXPECT_EQ(reading.value.has_value(), reading.refusal.empty() && !code.empty()) << code;
    }
}

TEST(Parts, BandsPickedToAValue) {
    using enum Colour;
    struct Row {
        std::vector<std::optional<Colour>> picked;
        std::string read;
    };
    const Row rows[] = {
        {{brown, black, red, gold}, "1 kOhm ±5 %"},
        {{yellow, violet, black, brown, brown}, "4,7 kOhm ±1 %"},
        {{orange, white, gold, gold}, "3,9 Ohm ±5 %"},
        {{red, red, silver}, "0,22 Ohm ±20 %"},
        {{black}, "0 Ohm"},
        {{yellow, violet, black, brown, std::nullopt}, "4,7 kOhm"},  // as it forms
        {{yellow, std::nullopt, red, gold}, ""},
        {{black, violet, red, gold}, ""},  // no first figure is 0
        {{yellow, violet, red, white}, "4,7 kOhm"},  // white is no tolerance
        {{yellow, violet}, ""},
    };
    for (const Row& row : rows) EXPECT_EQ(BandsReadText(ReadBands(row.picked), testing::kRomanian), row.read);
    // The colours each band offers: a first figure, any figure, a multiplier, a tolerance.
    EXPECT_EQ(ColoursOfBand(4, 0).size(), 9);
    EXPECT_EQ(ColoursOfBand(5, 2).size(), 10);
    EXPECT_EQ(ColoursOfBand(3, 2).size(), 13);
    EXPECT_EQ(ColoursOfBand(5, 4), (std::vector{silver, gold, brown, red, orange, yellow, green, blue, violet, grey}));
    EXPECT_TRUE(ColoursOfBand(3, 3).empty());
}

TEST(Parts, ACircuitsToleranceFromTheCommandLine) {
    const std::pair<std::string_view, int> rows[] = {
        {"5", 500}, {"5%", 500}, {"5 %", 500}, {"1", 100}, {"20%", 2000},
        {"3", 0},   {"", 0},     {"5.0", 0},   {"-5", 0}, {"%", 0},     {"99999999999", 0},
    };
    for (const auto& [text, hundredths] : rows) {
        EXPECT_EQ(ReadCircuitTolerance(text).value_or(Tolerance{}).hundredths, hundredths) << text;
    }
}

// Taken into the entry as a paste and a move away would: the number, and
// the unit it reads best in in the chooser.
TEST(Parts, AValueReadEntersAsAPaste) {
    const std::tuple<Magnitude, std::string, std::string> rows[] = {
        {MagnitudeOf(47, 2), "4,7", "kOhm"}, {MagnitudeOf(22, -2), "0,22", "Ohm"},
        {MagnitudeOf(99, 9), "99000", "MOhm"}, {Magnitude{}, "0", "Ohm"}, {MagnitudeOf(475, 1), "4,75", "kOhm"},
    };
    testing::HeadlessCalculator calculator(testing::kRomanian);
    calculator.events.Load();
    calculator.Pick(Field::cboRs, 2, 2);
    for (const auto& [value, entry, unit] : rows) {
        EnterResistance(value, 2, calculator.fields, calculator.events);
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRs, 2) + " " + calculator.fields.model.Text(Field::cboRs, 2),
                  entry + " " + unit);
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << entry;
    }
    EXPECT_TRUE(calculator.platform.reports.empty());
}

}  // namespace
}  // namespace quorvel
