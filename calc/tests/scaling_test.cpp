#include <string>

#include <gtest/gtest.h>

#include "calc/scaling.h"
#include "test_support/locales.h"

namespace quorvel {
namespace {

struct Case {
    const char* raw;
    const char* shown;
    const char* unit;
};

struct Shown {
    std::string value;
    std::string unit;
};

// Runs one scaling procedure on a raw text and returns what it shows.
Shown Scaled(void (*scale)(FieldSet&), Field value, Field unit, int i, const char* raw,
            const NumberLocale& locale = testing::kDotLocale) {
    FieldModel fields(locale);
    for (int k = 0; k < CountOf(value); ++k) fields.SetText(value, k, "0");
    fields.SetText(value, i, raw);
    fields.SetText(unit, i, "stale");
    scale(fields);
    return {fields.Text(value, i), fields.Text(unit, i)};
}

void ExpectScales(void (*scale)(FieldSet&), Field value, Field unit, std::initializer_list<Case> cases) {
    for (int i = 0; i < CountOf(value); ++i) {
        for (const auto& c : cases) {
            const Shown got = Scaled(scale, value, unit, i, c.raw);
            EXPECT_EQ(got.value, c.shown) << NameOf(value) << '(' << i << ") " << c.raw;
            EXPECT_EQ(got.unit, c.unit) << NameOf(value) << '(' << i << ") " << c.raw;
        }
    }
}

TEST(ScaleTotalResistance, ClimbsFromOhmsOnRoundedValues) {
    ExpectScales(ScaleTotalResistance, Field::txtRst, Field::lblUMs, {
        {"0", "0", "Ohm"},           {"0.5", "0.5", "Ohm"},            {"999.9", "999.9", "Ohm"},
        {"1E-06", "1E-06", "Ohm"},   {"999.99999999", "999.99999999", "Ohm"},
        {"1000", "1", "kOhm"},       {"1500", "1.5", "kOhm"},          {"999999.4", "999.999", "kOhm"},
        {"1234.5678", "1.235", "kOhm"},
        {"999999.6", "1", "MOhm"},   {"1000000", "1", "MOhm"},         {"1234567", "1.235", "MOhm"},
        {"1002770", "1.003", "MOhm"}, {"5000000000", "5000", "MOhm"},  {"1E+20", "100000000000000", "MOhm"},
    });
}

const std::initializer_list<Case> kVoltageCases = {
    {"0", "0", ""},
    {"0.0005", "500", "uV"},
    {"0.001", "1", "mV"},
    {"0.25", "250", "mV"},
    {"1", "1", "V"},
    {"12.3456789", "12.3456789", "V"},
    {"999.9999", "999.9999", "V"},
    {"1000", "1", "kV"},
    {"1234567", "1.234567", "MV"},
    {"1E-10", "0.0001", "uV"},
    {"-5", "-5000000", "uV"},
    {"-0", "0", ""},
};

TEST(ScaleVoltages, ShowEachVoltageUnroundedInItsUnit) {
    ExpectScales(ScaleTotalVoltage, Field::txtUst, Field::txtUMUst, kVoltageCases);
    ExpectScales(ScaleVoltageDrops, Field::txtUs, Field::txtUMUs, kVoltageCases);
}

const std::initializer_list<Case> kPowerCases = {
    {"0", "0", ""},
    {"1E-10", "0", ""},
    {"0.0005", "500", "uW"},
    {"0.0123456", "12.346", "mW"},
    {"0.9999996", "1000", "mW"},
    {"12.3456789", "12.346", "W"},
    {"999.9996", "1000", "W"},
    {"1234.5678", "1.235", "kW"},
    {"2500000", "2.5", "MW"},
    {"1000000", "1", "MW"},
    {"-0", "0", ""},
};

TEST(ScalePowers, RoundEachPowerInEveryRange) {
    ExpectScales(ScalePowers, Field::txtPs, Field::txtUMPs, kPowerCases);
    ExpectScales(ScaleTotalPower, Field::txtPst, Field::txtUMpst, kPowerCases);
}

TEST(ScaleVoltageDrops, GivesEachResistorItsOwnUnit) {
    FieldModel fields;
    const char* raw[] = {"0.0005", "0.5", "5", "5000"};
    for (int i = 0; i < 4; ++i) fields.SetText(Field::txtUs, i, raw[i]);
    ScaleVoltageDrops(fields);
    const char* shown[] = {"500", "500", "5", "5"};
    const char* units[] = {"uV", "mV", "V", "kV"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fields.Text(Field::txtUs, i), shown[i]);
        EXPECT_EQ(fields.Text(Field::txtUMUs, i), units[i]);
    }
}

TEST(Scaling, WritesInTheLocalesForm) {
    const auto& ro = testing::kRomanian;
    EXPECT_EQ(Scaled(ScaleTotalResistance, Field::txtRst, Field::lblUMs, 0, "1500", ro).value, "1,5");
    EXPECT_EQ(Scaled(ScaleTotalVoltage, Field::txtUst, Field::txtUMUst, 0, "0,25", ro).value, "250");
    EXPECT_EQ(Scaled(ScaleTotalPower, Field::txtPst, Field::txtUMpst, 0, "12,3456", ro).value, "12,346");
}

}  // namespace
}  // namespace quorvel
