#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "number/entry_text.h"
#include "number/number_text.h"
#include "test_support/locales.h"

namespace quorvel {
namespace {

using testing::kDotLocale;
using testing::kFrench;
using testing::kRomanian;
using testing::kSwissGerman;

struct LeadingCase {
    const char* text;
    double value;
};

TEST(ParseLeading, ReadsTheNumberAtTheStartWithAPointOnly) {
    const LeadingCase cases[] = {
        {"0", 0},          {"", 0},            {"abc", 0},       {"$5", 0},
        {"1,5", 1},        {"1,000", 1},       {"  42", 42},     {"12 34", 1234},
        {"1\t2\n3", 123},  {"&H1F", 31},       {"&h1f", 31},     {"&O17", 15},
        {"&HFFFF", 65535}, {"&Hxyz", 0},       {"& H 1F", 31},   {"&", 0},
        {"1e3", 1000},     {"1E+3", 1000},     {"2.5E-1", 0.25}, {"1e", 1},
        {"1e+", 1},        {"1e-x", 1},        {"-12.5", -12.5}, {"+7", 7},
        {".5", 0.5},       {"5.", 5},          {".", 0},         {"-", 0},
        {"1.2.3", 1.2},    {"12abc", 12},      {"0x1F", 0},      {"1E-400", 0},
        {"- 3", -3},       {"1 e 2", 100},     {"--1", 0},       {"inf", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLeading(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseLeading, NeverReachesInfinity) {
    EXPECT_EQ(ParseLeading("1E400"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeading("-9" + std::string(400, '9')), -std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeading("&H" + std::string(40, 'F')), 18446744073709551615.0);
    EXPECT_EQ(ParseLeading("0." + std::string(400, '0') + "1E400"), 1e-1);
}

struct StrictCase {
    const char* text;
    double value;
};

void ExpectReads(const NumberLocale& locale, std::initializer_list<StrictCase> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(ParseStrict(c.text, locale), c.value) << '"' << c.text << '"';
    }
}

void ExpectRejects(const NumberLocale& locale, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        EXPECT_THROW(ParseStrict(text, locale), ConversionError) << '"' << text << '"';
    }
}

TEST(ParseStrict, ReadsWholeNumbersInAPointLocale) {
    ExpectReads(kDotLocale, {
        {"0", 0}, {"2.5", 2.5}, {" 42 ", 42}, {"-12.5", -12.5}, {"+3", 3}, {"1.", 1}, {".5", 0.5},
        {"1,000", 1000}, {"1,2,3", 123}, {"12,", 12}, {"1E3", 1000}, {"1e-3", 0.001}, {"2.5E+2", 250},
        {"$5", 5}, {"-$5", -5}, {"$-5", -5}, {"5$", 5}, {"$ 5", 5}, {"5 $", 5}, {"1E-400", 0},
        {"\t7", 7}, {"0.1", 0.1},
    });
}

TEST(ParseStrict, RejectsWhatIsNoNumber) {
    ExpectRejects(kDotLocale, {
        "", " ", "-", "+", ".", ",", "abc", "inf", "nan", "Infinity", "0x1F", "&H1F", "1E", "1E+",
        "1e-", "E5", "1.2.3", ",1", "1,,2", "1.5,3", "--1", "+-1", "1-", "(5)", "$", "$$5", "5$$",
        "$5$", "1 2", "1\n", "\n1", "5 kOhm", "1D3", "\xC2\xA0" "5", "٣",
    });
}

TEST(ParseStrict, FollowsCommaLocales) {
    ExpectReads(kRomanian, {
        {"2,5", 2.5}, {"1.000", 1000}, {"2.", 2}, {"1.234,5", 1234.5}, {",5", 0.5}, {"-2,5", -2.5},
        {"-2.5", -25}, {"3 RON", 3}, {"1,5E3", 1500},
    });
    ExpectRejects(kRomanian, {".", ",", "1,5,3", ".5", "2,.", "$5"});
    ExpectReads(kFrench, {{"1\u202F000,5", 1000.5}, {"2,5", 2.5}, {"5\u20AC", 5}});
    ExpectRejects(kFrench, {"1 000", "1.5", "\u202F" "1"});
    ExpectReads(kSwissGerman, {{"1\u2019000.5", 1000.5}, {"CHF 12", 12}});
    ExpectRejects(kSwissGerman, {"1'000", "1,5"});
}

TEST(ParseStrict, TakesNoEmptySeparatorOrSymbol) {
    const NumberLocale bare{",", "", ""};
    ExpectReads(bare, {{"2,5", 2.5}, {"12", 12}});
    ExpectRejects(bare, {"1.5", "$1", "", ","});
    const NumberLocale no_point{"", "", ""};
    ExpectReads(no_point, {{"2.5", 2.5}});
    EXPECT_EQ(NumberToText(2.5, no_point), "2.5");
}

TEST(ParseStrict, OverflowsBeyondTheDoubleRange) {
    for (const char* text : {"1E309", "-1E309", "1.8E308", "1" "000000000000000000000E300"}) {
        EXPECT_THROW(ParseStrict(text, kDotLocale), OverflowError) << text;
    }
    EXPECT_EQ(ParseStrict("1.7976931348623157E308", kDotLocale), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseStrict("1E" + std::string(30, '0') + "5", kDotLocale), 1e5);
    EXPECT_EQ(ParseStrict("1E-" + std::string(30, '9'), kDotLocale), 0);
}

// Millions of digits against an exponent of millions: the size of the whole
// number decides, whichever part is longer.
TEST(ParseStrict, WeighsLongDigitRunsAgainstLongExponents) {
    const std::string zeros(1'100'000, '0');
    struct {
        std::string text;
        bool overflows;
    } const cases[] = {
        {"1" + zeros + "E-1000000", true},                  // 1E100000
        {"0." + zeros + "1E1200000", true},                 // 1E99999
        {"1" + zeros + "E-" + std::string(30, '9'), false}, // far below the smallest double
        {"0." + zeros + "1E1000000", false},                // 1E-100001
    };
    for (const auto& c : cases) {
        if (c.overflows) {
            EXPECT_THROW(ParseStrict(c.text, kDotLocale), OverflowError);
            EXPECT_EQ(ParseLeading(c.text), std::numeric_limits<double>::max());
        } else {
            EXPECT_EQ(ParseStrict(c.text, kDotLocale), 0);
        }
    }
}

// Long texts too: a reading gathers numbers of any length.
TEST(ParseStrict, ReadsNumbersOfAnyLength) {
    EXPECT_EQ(ParseStrict("1" + std::string(300, '0'), kDotLocale), 1e300);
    EXPECT_EQ(ParseStrict("-0." + std::string(300, '0') + "1", kDotLocale), -1e-301);
    EXPECT_EQ(ParseStrict(" 1" + std::string(100, '0') + ",000.5E-103 ", kDotLocale), 1);
    EXPECT_EQ(ParseStrict("RON 25" + std::string(60, '0') + ",5", kRomanian), 2.5e61);
    EXPECT_NO_THROW(ParseStrict(std::string(300, '9'), kDotLocale));
    EXPECT_THROW(ParseStrict(std::string(300, '9') + "x", kDotLocale), ConversionError);
}

TEST(ParseStrict, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ParseStrict("-0", kDotLocale)));
    EXPECT_FALSE(ParseStrict("-0", kDotLocale) < 0);
}

TEST(RuntimeErrors, CarryThePlatformNumbers) {
    EXPECT_EQ(ConversionError().number(), 13);
    EXPECT_STREQ(ConversionError().what(), "Type mismatch");
    EXPECT_EQ(OverflowError().number(), 6);
    EXPECT_STREQ(OverflowError().what(), "Overflow");
}

struct TextCase {
    double value;
    const char* dot;
    const char* comma;
};

TEST(NumberToText, WritesFifteenDigitsAsBrieflyAsPossible) {
    const TextCase cases[] = {
        {0, "0", "0"},
        {-0.0, "0", "0"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1002770, "1002770", "1002770"},
        {2.5, "2.5", "2,5"},
        {-12.5, "-12.5", "-12,5"},
        {5013.85, "5013.85", "5013,85"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {123456789012345, "123456789012345", "123456789012345"},
        {999999999999999.4, "999999999999999", "999999999999999"},
        {999999999999999.9, "1E+15", "1E+15"},
        {1e15, "1E+15", "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18", "1,23456789012346E+18"},
        {0.00001, "0.00001", "0,00001"},
        {0.000012345, "0.000012345", "0,000012345"},
        {0.000001, "1E-06", "1E-06"},
        {-0.0000015, "-1.5E-06", "-1,5E-06"},
        {1e-100, "1E-100", "1E-100"},
        // Rounded up it would read as an overflow: the largest text that reads back.
        {std::numeric_limits<double>::max(), "1.79769313486231E+308", "1,79769313486231E+308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+308", "-1,79769313486231E+308"},
        {1.797693134862314e308, "1.79769313486231E+308", "1,79769313486231E+308"},
        {1.79769313486229e308, "1.79769313486229E+308", "1,79769313486229E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324", "4,94065645841247E-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(c.value, kDotLocale), c.dot);
        EXPECT_EQ(NumberToText(c.value, kRomanian), c.comma);
    }
    EXPECT_EQ(NumberToText(std::int16_t{0}), "0");
    EXPECT_EQ(NumberToText(std::int16_t{-32768}), "-32768");
}

TEST(NumberToText, RefusesWhatIsNoFiniteNumber) {
    EXPECT_THROW(NumberToText(std::numeric_limits<double>::infinity(), kDotLocale), OverflowError);
    EXPECT_THROW(NumberToText(std::nan(""), kDotLocale), OverflowError);
}

TEST(RoundPlaces, RoundsExactHalvesToEven) {
    const std::pair<double, double> cases[] = {
        {0.0625, 0.062}, {0.1875, 0.188}, {-0.0625, -0.062}, {1.5, 1.5},    {2.0005, 2.001},
        {12.3456789, 12.346}, {0.9999996, 1}, {999.9996, 1000}, {1e300, 1e300}, {0, 0},
        {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()},
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundPlaces(value, 3), rounded) << value;
    EXPECT_EQ(RoundPlaces(2.5, 0), 2);
    EXPECT_EQ(RoundPlaces(3.5, 0), 4);
    EXPECT_TRUE(std::signbit(RoundPlaces(-0.0001, 3)));
    EXPECT_THROW(RoundPlaces(1, -1), InvalidArgumentError);
}

// What an entry takes as a number, keeps on its way to one, or gives up,
// and what it counts as: in its letter's unit (steps), or in its chooser's.
TEST(ReadEntry, OneReadingForTheCheckTheValueAndTheRewrite) {
    using enum EntryReading;
    constexpr auto R = Quantity::resistance;
    constexpr auto I = Quantity::current;
    constexpr std::optional<int> none;
    struct Case {
        const NumberLocale& locale;
        Quantity quantity;
        std::string text;
        EntryReading reading;
        double value;
        std::optional<int> steps = {};
        bool plain = false;
    };
    const NumberLocale arabic{"\u066B", "\u066C", ""};
    const NumberLocale browser_swiss{".", "'", ""};
    const NumberLocale dominican{".", ",", "RD$"};  // a symbol that begins as the letter R does
    const Case cases[] = {
        // Plain numbers: either mark is the point, but the locale's own thousand.
        {kDotLocale, R, ".5", number, 0.5, none, true},          {kDotLocale, R, "2,2", number, 2.2, none, true},
        {kRomanian, R, "2.5", number, 2.5, none, true},          {kRomanian, R, "1.000", number, 1000},
        {kDotLocale, R, "1,000", number, 1000},                  {kDotLocale, R, "1,0000", number, 1, none, true},
        {kDotLocale, R, "0,001", number, 0.001, none, true},     {kRomanian, R, "1,000", number, 1, none, true},
        {kDotLocale, R, "1,5E3", number, 1500},                  {kDotLocale, R, "-5", number, -5},
        {kDotLocale, R, "-0", number, 0},                        {kDotLocale, R, "+5", number, 5},
        {kDotLocale, R, "1E400", too_large, 1.7976931348623157e308},
        {kDotLocale, R, std::string(320, '9'), too_large, 1.7976931348623157e308},
        // The locale's own form: group marks as typed, a currency symbol.
        {kDotLocale, R, "1,000.5", number, 1000.5},              {kRomanian, R, "1.000,5", number, 1000.5},
        {kSwissGerman, R, "12\u2019345", number, 12345},         {kSwissGerman, R, "12'345", number, 12345},
        {kFrench, R, "12 345", number, 12345},                   {kFrench, R, "12\u00A0345,5", number, 12345.5},
        {kFrench, R, " 5", number, 5},                           {kDotLocale, R, "$5", number, 5},
        {kDotLocale, R, "5 $", number, 5},                       {arabic, R, "3\u066B25", number, 3.25},
        {kDotLocale, R, "12 345", no_number, 12},
        // A number reads as it does alone, whatever stands around it: blanks,
        // a letter, a unit word, a currency as the settings write money.
        {kRomanian, R, "2.200", number, 2200},                   {kRomanian, R, "2.200 Ohm", number, 2200, 0},
        {kRomanian, R, "2.200R", number, 2200, 0},               {kRomanian, R, "2.200k", number, 2200, 1},
        {kDotLocale, I, "1,500 mA", number, 1500, -1},           {kSwissGerman, R, "2'200 Ohm", number, 2200, 0},
        {kFrench, R, "2 200 Ohm", number, 2200, 0},              {kRomanian, R, " 584804.691", number, 584804.691},
        {kRomanian, R, " 0.00000000259283", number, 2.59283e-9}, {kFrench, R, "5,00\u00A0\u20AC", number, 5},
        {kSwissGerman, R, "5.00\u00A0CHF", number, 5},           {kRomanian, R, "5,00\u00A0RON", number, 5},
        // Group marks only where the settings put them, and never beside an exponent.
        {kRomanian, R, "1.234.567,5", number, 1234567.5},        {kRomanian, R, "0.001", number, 0.001, none, true},
        {kRomanian, R, "1.000E6", number, 1e6},                  {browser_swiss, R, "12\u2019345", number, 12345},
        {kRomanian, R, "1.5.3", no_number, 0},                   {kSwissGerman, R, "1234'567", no_number, 0},
        {kRomanian, R, "1.000.0", beginning, 10000},             {kSwissGerman, R, "12'3", beginning, 123},
        {kFrench, R, "1 0", beginning, 10},                      {kDotLocale, R, "1,000,", beginning, 1000},
        // Markings: the letter where the point goes or after the number, a unit word.
        {kDotLocale, R, "4K7", number, 4.7, 1},                  {kRomanian, R, "R47", number, 0.47, 0},
        {kDotLocale, R, "K47", number, 0.47, 1},                 {kDotLocale, R, "1M5", number, 1.5, 2},
        {kDotLocale, R, "470r", number, 470, 0},                 {kRomanian, R, "4.7k", number, 4.7, 1},
        {kDotLocale, R, "2,2 k", number, 2.2, 1},                {kDotLocale, R, "4k7Ohm", number, 4.7, 1},
        {kDotLocale, R, "1G", number, 1, 3},                     {kDotLocale, R, "470 \u2126", number, 470, 0},
        {kDotLocale, R, "4.7E3k", number, 4700, 1},              {kDotLocale, R, "-4K7", number, -4.7, 1},
        {kDotLocale, I, "5mA", number, 5, -1},                   {kDotLocale, I, "100\u00B5", number, 100, -2},
        {kDotLocale, I, "1u5", number, 1.5, -2},                 {kDotLocale, I, "2 A", number, 2, 0},
        {kDotLocale, R, "1m", no_number, 1},                     {kDotLocale, I, "5M", no_number, 5},
        {kDotLocale, R, "1,000k", number, 1000, 1},                 {kDotLocale, R, "4K7E3", no_number, 4.7},
        {kDotLocale, R, "1E400k", too_large, 1.7976931348623157e308},
        // Beginnings, counted as far as they go.
        {kDotLocale, R, ".", beginning, 0},                      {kDotLocale, R, "-", beginning, 0},
        {kDotLocale, R, "-.", beginning, 0},                     {kDotLocale, R, "1E", beginning, 1},
        {kDotLocale, R, "1E-", beginning, 1},                    {kDotLocale, R, "1.E", beginning, 1},
        {kRomanian, R, "1.000E", beginning, 1000},               {kDotLocale, R, "$", beginning, 0},
        {kDotLocale, R, "$-", beginning, 0},                     {kDotLocale, R, " ", beginning, 0},
        {kDotLocale, R, "-1E", beginning, -1},                   {kSwissGerman, R, "5 CH", beginning, 5},
        {kRomanian, R, "RO", beginning, 0},                      {kDotLocale, R, "K", beginning, 0, 1},
        {kDotLocale, R, "4K7O", beginning, 4.7, 1},              {kDotLocale, R, "470 Oh", beginning, 470},
        {kDotLocale, I, "5 \xCE", beginning, 5},                 {arabic, R, "1\xD9", beginning, 1},
        {dominican, R, "5RD", beginning, 5},                     {dominican, R, "5R", number, 5, 0},
        // Nothing a key more can mend.
        {kDotLocale, R, "", no_number, 0},                       {kDotLocale, R, "abc", no_number, 0},
        {kDotLocale, R, "7x", no_number, 7},                     {kDotLocale, R, "- 5", no_number, 0},
        {kDotLocale, R, "1E5E", no_number, 100000},              {kDotLocale, R, "&H1F", no_number, 0},
        {kDotLocale, R, "(5", no_number, 0},                     {kSwissGerman, R, "5 CX", no_number, 5},
        {kDotLocale, I, "K", no_number, 0},
    };
    for (const auto& c : cases) {
        const EntryText read = ReadEntry(c.text, c.locale, c.quantity);
        const std::string what = '"' + c.text + "\" under " + c.locale.decimal_separator;
        EXPECT_EQ(read.reading, c.reading) << what;
        EXPECT_EQ(read.value, c.value) << what;
        EXPECT_EQ(read.negative, c.value < 0 && c.reading != no_number && c.reading != too_large) << what;
        EXPECT_EQ(read.steps, c.steps) << what;
        EXPECT_EQ(read.plain, c.plain) << what;
    }
}

}  // namespace
}  // namespace quorvel
