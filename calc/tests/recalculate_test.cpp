#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/entry_value.h"
#include "calc/recalculate.h"
#include "test_support/field_texts.h"
#include "test_support/recording_fields.h"

namespace quorvel {
namespace {

using testing::kDotLocale;
using testing::kFrench;
using testing::kRomanian;
using testing::RecordingFields;
using testing::kTypedExample;
using testing::SetInputTexts;
using Texts = std::vector<std::string>;

Texts Results(const FieldSet& fields) { return testing::ResultTexts(fields); }

// What it tells of itself is what it wrote: the raw texts come from its
// numbers, and the same numbers given run the same steps.
TEST(Recalculate, WritesEachRawResultBeforeScalingIt) {
    RecordingFields fields;
    SetInputTexts(fields.model, kTypedExample);
    Recalculation seen;
    Recalculate(fields, &seen);

    EXPECT_EQ(fields.WritesTo(Field::txtRst), (Texts{"0", "100", "2300", "1002300", "1002770", "1002.77", "1.003"}));
    EXPECT_EQ(fields.WritesTo(Field::txtUst), (Texts{"5013.85", "5.01385"}));
    const Texts raw_drops{"0.5", "11", "5000", "2.35"};
    const Texts raw_powers{"0.0025", "0.055", "25", "0.01175"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fields.WritesTo(Field::txtUs, i).front(), raw_drops[i]);
        EXPECT_EQ(fields.WritesTo(Field::txtPs, i).front(), raw_powers[i]);
        EXPECT_EQ(NumberToText(seen.drops[i], kDotLocale) + NumberToText(seen.powers[i], kDotLocale), raw_drops[i] + raw_powers[i]);
    }
    EXPECT_EQ(fields.WritesTo(Field::txtPst), (Texts{"25.06925", "25.069"}));

    EXPECT_EQ(seen.ohms, (std::array<double, 4>{100, 2200, 1e6, 470}));
    EXPECT_EQ(seen.amperes, 0.005);
    EXPECT_EQ(seen.running_totals, (std::array<std::string, 4>{"100", "2300", "1002300", "1002770"}));
    EXPECT_EQ(seen.total_ohms, 1002770);
    EXPECT_EQ(NumberToText(seen.total_volts, kDotLocale) + NumberToText(seen.total_watts, kDotLocale), "5013.8525.06925");
    EXPECT_EQ(seen.reached, Recalculation::Stage::done);

    FieldModel given(kDotLocale);
    Recalculation again;
    Recalculate(given, seen.ohms, seen.amperes, &again);
    EXPECT_EQ(Results(given), Results(fields.model));
    EXPECT_EQ(again.running_totals, seen.running_totals);
    EXPECT_EQ(again.powers, seen.powers);
    EXPECT_EQ(again.total_watts, seen.total_watts);
}

// A text that is no number, which only a field set driven directly holds,
// counts as the number it begins with, "," and the settings' decimal
// separator each taken for the point; the circuit's table and line take
// the same value.
TEST(Recalculate, CountsATextThatIsNoNumberAsTheNumberItBeginsWith) {
    struct Row {
        NumberLocale locale;
        Field entry;
        const char* text;
        double counted;
    };
    const Row rows[] = {
        {kDotLocale, Field::txtRs, "  7 5", 75},
        {kRomanian, Field::txtRs, "&H1F", 31},
        {kRomanian, Field::txtRs, " 4.924;1", 4.924},
        {kRomanian, Field::txtRs, "833,6abc", 833.6},
        {kFrench, Field::txtIst, "0,47abc", 0.47},
        {kDotLocale, Field::txtRs, "1.000,5", 1},
        {kRomanian, Field::txtRs, "1.000,5", 1000.5},  // a number there, read as the entry reads it
    };
    for (const Row& row : rows) {
        FieldModel fields(row.locale);
        fields.SetText(row.entry, 0, row.text);
        Recalculation seen;
        Recalculate(fields, &seen);
        EXPECT_EQ(row.entry == Field::txtIst ? seen.amperes : seen.ohms[0], row.counted) << row.text;
        EXPECT_EQ(CountedValue(fields, row.entry, 0), row.counted) << row.text;
    }
}

TEST(Recalculate, ShowsEveryResultInItsUnit) {
    struct Case {
        NumberLocale locale;
        Texts inputs;  // as InputTexts lists them
        Texts results;
    };
    const Texts typed{"1.003", "MOhm", "5.01385", "kV", "500", "11", "5", "2.35", "mV", "V", "kV", "V",
                      "2.5", "55", "25", "11.75", "mW", "mW", "W", "mW", "25.069", "W"};
    const Texts typed_comma{"1,003", "MOhm", "5,01385", "kV", "500", "11", "5", "2,35", "mV", "V", "kV", "V",
                            "2,5", "55", "25", "11,75", "mW", "mW", "W", "mW", "25,069", "W"};
    const Texts& zeros = testing::kZeroResults;
    const Case cases[] = {
        {kDotLocale, kTypedExample, typed},
        // The entry "2,2" counts as 2.2 where "," is the decimal separator.
        {kRomanian, {"100", "2,2", "1", "470", "Ohm", "kOhm", "MOhm", "Ohm", "5", "mA"}, typed_comma},
        {kRomanian, kTypedExample, typed_comma},
        {kDotLocale, testing::kDefaultInputs, zeros},
        {kDotLocale, {"100", "2.2", "1", "470", "Ohm", "kOhm", "MOhm", "Ohm", "0", "mA"},
         {"1.003", "MOhm", "0", "", "0", "0", "0", "0", "", "", "", "", "0", "0", "0", "0", "", "", "", "",
          "0", ""}},
        // Unit texts outside the lists, other case included, count as ohms and amperes.
        {kDotLocale, {"1", "1", "1", "1", "kohm", "", "MOHM", " Ohm", "2", "MA"},
         {"4", "Ohm", "8", "V", "2", "2", "2", "2", "V", "V", "V", "V", "4", "4", "4", "4", "W", "W", "W", "W",
          "16", "W"}},
        // "1,5" reads as 1.5 and "1,0" as 1 where "." is the decimal separator;
        // a text that is no number counts as what starts it.
        {kDotLocale, {"1,5", "1,0", "abc", "", "Ohm", "Ohm", "Ohm", "Ohm", "1", "uA"},
         {"2.5", "Ohm", "2.5", "uV", "1.5", "1", "0", "0", "uV", "uV", "", "", "0", "0", "0", "0", "", "", "", "",
          "0", ""}},
        // A multiplier letter counts whatever the chooser shows; "1,000" is the
        // locale's thousand, "$5" five: 4700 + 1000000 + 5 + 1000000 ohms at 5 mA.
        {kDotLocale, {"4K7", "1,000", "$5", "1M", "Ohm", "kOhm", "Ohm", "kOhm", "5mA", "A"},
         {"2.005", "MOhm", "10.023525", "kV", "23.5", "5", "25", "5", "V", "kV", "mV", "kV", "117.5", "25", "125",
          "25", "mW", "W", "uW", "W", "50.118", "W"}},
    };
    for (const auto& c : cases) {
        FieldModel fields(c.locale);
        SetInputTexts(fields, c.inputs);
        Recalculate(fields);
        EXPECT_EQ(Results(fields), c.results) << c.inputs[1] << ' ' << c.locale.decimal_separator;
    }
}

TEST(Recalculate, CarriesPartialSumsThroughText) {
    RecordingFields fields;
    SetInputTexts(fields.model, {"0.1", "0.2", "0.3", "0.4", "Ohm", "Ohm", "Ohm", "Ohm", "1", "A"});
    Recalculate(fields);
    EXPECT_EQ(fields.WritesTo(Field::txtRst), (Texts{"0", "0.1", "0.3", "0.6", "1"}));
    EXPECT_EQ(fields.Text(Field::txtUst), "1");
}

TEST(Recalculate, GivesTheSameTextsWhateverTheCallBeforeLeft) {
    FieldModel fields;
    SetInputTexts(fields, kTypedExample);
    Recalculate(fields);
    const Texts first = Results(fields);
    Recalculate(fields);
    EXPECT_EQ(Results(fields), first);
}

// An overflow leaves the results it reached empty, and those before it new.
TEST(Recalculate, EmptiesTheResultsAnOverflowLeftUndone) {
    for (const auto& overflow : testing::kOverflows) {
        FieldModel fields;
        SetInputTexts(fields, kTypedExample);
        Recalculate(fields);  // results of earlier inputs must not survive
        SetInputTexts(fields, testing::kDefaultInputs);
        testing::EnterEdits(fields, overflow.edits);
        Recalculation seen;
        EXPECT_THROW(Recalculate(fields, &seen), OverflowError) << overflow.stage;
        EXPECT_EQ(Results(fields), overflow.results) << overflow.stage;
        EXPECT_EQ(seen.reached, overflow.reached) << overflow.stage;
        EXPECT_EQ(seen.computed, overflow.computed) << overflow.stage;

        SetInputTexts(fields, kTypedExample);
        Recalculate(fields);
        EXPECT_EQ(Results(fields)[0], "1.003") << overflow.stage;
        EXPECT_EQ(Results(fields).back(), "W") << overflow.stage;
    }
}

}  // namespace
}  // namespace quorvel
