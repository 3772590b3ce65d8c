#include <gtest/gtest.h>

#include "calc/recalculate.h"
#include "frontend/colour_code.h"
#include "frontend/entry_paste.h"
#include "frontend/parts_list.h"
#include "frontend/resistor_drawing.h"
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
        {4700, 100, "galben violet negru maro maro", "472"},
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
    // What a screen reader hears of the picture as it forms.
    EXPECT_EQ(ResistorNames(rows[5].picked), "galben violet negru maro ?");
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

// The parts of the first resistor alone, under Romanian settings.
PartsList FirstPart(const std::string& entry, const std::string& unit, double amperes, Tolerance tolerance) {
    FieldModel form(testing::kRomanian);
    const std::string milliamperes = NumberToText(amperes * 1000, testing::kRomanian);
    testing::SetInputTexts(form, {entry, "0", "0", "0", unit, "Ohm", "Ohm", "Ohm", milliamperes, "mA"});
    return ListParts(form, tolerance);
}

std::string Rated(const PartRating& rating) {
    if (rating.jumper) return "punte";
    if (!rating.judged) return "?";
    const std::string through_hole(rating.through_hole ? rating.through_hole->name : "-");
    // No chip: "-", and what none holds, its power or its drop.
    const std::string beyond = rating.beyond_chip_watts && rating.beyond_chip_volts ? "(P, U)"
                               : rating.beyond_chip_watts                         ? "(P)"
                                                                                  : "(U)";
    const std::string chip(rating.chip ? std::string(rating.chip->size) : "-" + beyond);
    return through_hole + (rating.volts_to_read ? " >200 V" : "") + ", " + chip;
}

// The values a lab meets, each at 5 mA and 50 mA: its bands at ±5 % and
// ±1 %, its code, the through-hole rating and chip it needs, and the
// least and greatest of its drop at ±5 %.
TEST(Parts, EachValueToldAsAPart) {
    struct Row {
        std::string entry, unit;
        std::string bands_at_5, bands_at_1, code, rated_at_5_mA, rated_at_50_mA, drop_at_5_mA, drop_at_50_mA;
    };
    const Row rows[] = {
        {"0,1", "Ohm", "maro negru argintiu auriu", "maro negru negru roz maro", "R10 sau 01Z", "1/8 W, 0402",
         "1/8 W, 0402", "475 uV … 525 uV", "4,75 mV … 5,25 mV"},
        {"4,7", "Ohm", "galben violet auriu auriu", "galben violet negru argintiu maro", "4R7", "1/8 W, 0402",
         "1/8 W, 0402", "22,325 mV … 24,675 mV", "223,25 mV … 246,75 mV"},
        {"10", "Ohm", "maro negru negru auriu", "maro negru negru auriu maro", "100 sau 01X", "1/8 W, 0402",
         "1/8 W, 0402", "47,5 mV … 52,5 mV", "475 mV … 525 mV"},
        {"470", "Ohm", "galben violet maro auriu", "galben violet negru negru maro", "471", "1/8 W, 0402",
         "3 W, -(P)", "2,2325 V … 2,4675 V", "22,325 V … 24,675 V"},
        {"4,75", "kOhm", "galben violet verde maro auriu", "galben violet verde maro maro", "4751 sau 66B",
         "1/4 W, 1206", "- >200 V, -(P, U)", "22,5625 V … 24,9375 V", "225,625 V … 249,375 V"},
        {"10", "kOhm", "maro negru portocaliu auriu", "maro negru negru ro\u0219u maro", "103 sau 01C",
         "1/2 W, 1210", "- >200 V, -(P, U)", "47,5 V … 52,5 V", "475 V … 525 V"},
        {"1,5", "MOhm", "maro verde verde auriu", "maro verde negru galben maro", "155 sau 18E", "- >200 V, -(P, U)",
         "- >200 V, -(P, U)", "7,125 kV … 7,875 kV", "71,25 kV … 78,75 kV"},
        {"1000", "MOhm", "maro negru gri auriu", "maro negru negru violet maro", "108", "- >200 V, -(P, U)",
         "- >200 V, -(P, U)", "4,75 MV … 5,25 MV", "47,5 MV … 52,5 MV"},
        {"1234,567", "Ohm", "\u2248 maro ro\u0219u galben maro auriu (E96: 1,24 kOhm)",
         "\u2248 maro ro\u0219u galben maro maro (E96: 1,24 kOhm)", "\u2248 1241 sau 10B (E96: 1,24 kOhm)",
         "1/8 W, 0402", "-, -(P)", "5,86419325 V … 6,48147675 V", "58,6419325 V … 64,8147675 V"},
        {"0", "Ohm", "negru", "negru", "0", "punte", "punte", "0 … 0", "0 … 0"},
    };
    for (const Row& row : rows) {
        const PartsList at_5_mA = FirstPart(row.entry, row.unit, 0.005, kStartTolerance);
        const PartsList at_50_mA = FirstPart(row.entry, row.unit, 0.05, kStartTolerance);
        const ListedPart& part = at_5_mA.parts[0];
        EXPECT_EQ(part.bands_text, row.bands_at_5) << row.entry;
        EXPECT_EQ(FirstPart(row.entry, row.unit, 0.005, Tolerance{100}).parts[0].bands_text, row.bands_at_1)
            << row.entry;
        EXPECT_EQ(part.code_text, row.code) << row.entry;
        EXPECT_EQ(Rated(part.rating), row.rated_at_5_mA) << row.entry;
        EXPECT_EQ(Rated(at_50_mA.parts[0].rating), row.rated_at_50_mA) << row.entry;
        EXPECT_EQ(RangeText(part.drop_range), row.drop_at_5_mA) << row.entry;
        EXPECT_EQ(RangeText(at_50_mA.parts[0].drop_range), row.drop_at_50_mA) << row.entry;
    }
}

// The whole list of a circuit, as --parts prints it, in a comma locale: each
// range from the scaled resistances as the recalculation computes them,
// down to the last digit (1234,567 × 0,95 is 1172,8386499999999 as a double).
TEST(Parts, TheListAsText) {
    FieldModel form(testing::kRomanian);
    testing::SetInputTexts(form, {"4,7", "1234,567", "0", "1,75E308", "kOhm", "Ohm", "Ohm", "Ohm", "5", "mA"});
    const PartsList list = ListParts(form, Tolerance{500});
    EXPECT_EQ(PartsText(list),
              "Lista de piese, toleranța circuitului ±5 %\n"
              "R1: 4,7 kOhm ±5 % (4,465 kOhm … 4,935 kOhm); benzi: galben violet roșu auriu; cod SMD: 472; THT: 1/4 W; "
              "cip: 1206 (1/4 W, 200 V); U1 = 23,5 V (22,325 V … nu se poate calcula); P1 = 117,5 mW (111,625 mW … nu "
              "se poate calcula)\n"
              "R2: 1,234567 kOhm ±5 % (1,17283865 kOhm … 1,29629535 kOhm); benzi: ≈ maro roșu galben maro auriu (E96: 1,24 "
              "kOhm); cod SMD: ≈ 1241 sau 10B (E96: 1,24 kOhm); THT: 1/8 W; cip: 0402 (1/16 W, 50 V); U2 = 6,172835 V "
              "(5,86419325 V … nu se poate calcula); P2 = 30,864 mW (29,321 mW … nu se poate calcula)\n"
              "R3: 0 Ohm; benzi: negru; cod SMD: 0; punte (0 Ohm): curentul ei maxim se citește în foaia de catalog; U3 = 0 "
              "(0 … nu se poate calcula); P3 = 0 (0 … nu se poate calcula)\n"
              "R4: 1,75E+302 MOhm ±5 % (1,6625E+302 MOhm … nu se poate calcula); benzi: nu există cod de culori pentru "
              "această valoare; cod SMD: nu există cod SMD pentru această valoare; THT: niciunul obișnuit nu ține puterea "
              "ei; peste 200 V: tensiunea limită a piesei se citește în foaia de catalog; cip: niciunul obișnuit nu ține "
              "puterea și tensiunea ei; U4 = 8,75E+299 MV (8,3125E+299 MV … nu se poate calcula); P4 = 4,375E+297 MW "
              "(4,15625E+297 MW … nu se poate calcula)\n"
              "Total: R = 1,75E+302 MOhm (1,6625E+302 MOhm … nu se poate calcula); U = 8,75E+299 MV (8,3125E+299 MV … nu "
              "se poate calcula); P = 4,375E+297 MW (4,15625E+297 MW … nu se poate calcula); I = 5 mA (exact)\n"
              "Puterile și tensiunile de lucru sunt cifre tipice, cu piesa încărcată la cel mult jumătate din puterea ei; "
              "foaia de catalog a piesei decide.\n");
    EXPECT_EQ(MarkingText(list.parts[0].value, list.tolerance, testing::kRomanian),
              "Benzi la ±5 %: galben violet roșu auriu · cod SMD: 472");
    const std::string html = PartsHtml(list);
    EXPECT_NE(html.find("<tr><td>R3</td><td align=\"right\"><span style=\"white-space:nowrap\">0 Ohm</span></td><td>"
                        "<span style=\"white-space:nowrap\"><span style=\"display:inline-block;width:0.8em;height:0.8em;"
                        "border:1px solid #000;background:#000000\"></span> negru</span></td><td>0</td><td colspan=\"2\">"
                        "punte (0 Ohm)"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvel
