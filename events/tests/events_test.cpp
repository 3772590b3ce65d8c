#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frontend/control_name.h"
#include "calc/units.h"
#include "events/handlers.h"
#include "test_support/headless_calculator.h"
#include "test_support/typed_keys.h"

namespace quorvel {
namespace {

using testing::HeadlessCalculator;
using Texts = std::vector<std::string>;

using testing::kDefaultInputs;
using testing::kZeroResults;

TEST(StartUp, WritesTheDefaultsAndRecalculatesSixTimes) {
    HeadlessCalculator calculator;
    calculator.events.Load();

    EXPECT_EQ(calculator.fields.recalculations, 6);
    EXPECT_EQ(calculator.fields.InputWrites(),
              (Texts{"cboRs(0)=Ohm", "txtRs(0)=0", "cboRs(1)=Ohm", "txtRs(1)=0", "cboRs(2)=Ohm", "txtRs(2)=0",
                     "cboRs(3)=Ohm", "txtRs(3)=0", "txtIst=0", "cboIst=A"}));
    // The first recalculations run while later choosers still show nothing.
    EXPECT_EQ(calculator.fields.seen_by_recalculations.front(), (Texts{"0", "0", "0", "0", "Ohm", "", "", "", "0", ""}));
    EXPECT_EQ(calculator.fields.CurrentInputs(), kDefaultInputs);
    EXPECT_EQ(calculator.Results(), kZeroResults);
    EXPECT_TRUE(calculator.platform.reports.empty());
}

struct Trigger {
    const char* what;
    std::function<void(HeadlessCalculator&)> act;
    int recalculations;
    Field field;
    int index;
    const char* text_after;
    testing::InputEdit before = {Field::txtIst, 0, "2"};  // typed before the trigger, after a "2" in txtIst
};

TEST(Events, RecalculateAsOftenAsEachTriggerCalls) {
    using C = HeadlessCalculator;
    const Trigger triggers[] = {
        {"letters", [](C& c) { c.Type(Field::txtRs, 1, "abc"); }, 1, Field::txtRs, 1, "0"},
        {"empty text", [](C& c) { c.Type(Field::txtRs, 2, ""); }, 1, Field::txtRs, 2, "0"},
        {"lone minus", [](C& c) { c.Type(Field::txtIst, 0, "-"); }, 1, Field::txtIst, 0, "-"},
        {"an exponent on its way", [](C& c) { c.Type(Field::txtRs, 1, "4.7E"); }, 1, Field::txtRs, 1, "4.7E"},
        {"a negative on its way", [](C& c) { c.Type(Field::txtRs, 1, "-1E"); }, 2, Field::txtRs, 1, "1E"},
        {"too large", [](C& c) { c.Type(Field::txtIst, 0, "1E400"); }, 1, Field::txtIst, 0, "0"},
        {"a number", [](C& c) { c.Type(Field::txtRs, 0, "12.5"); }, 1, Field::txtRs, 0, "12.5"},
        {"half typed", [](C& c) { c.Type(Field::txtRs, 0, "1."); }, 1, Field::txtRs, 0, "1."},
        {"negative", [](C& c) { c.Type(Field::txtRs, 3, "-12.5"); }, 2, Field::txtRs, 3, "12.5"},
        {"negative current", [](C& c) { c.Type(Field::txtIst, 0, "-3"); }, 2, Field::txtIst, 0, "3"},
        {"negative zero", [](C& c) { c.Type(Field::txtRs, 0, "-0"); }, 1, Field::txtRs, 0, "-0"},
        {"a negative with an exponent", [](C& c) { c.Type(Field::txtRs, 0, "-1E9"); }, 2, Field::txtRs, 0, "1000000000"},
        {"same text", [](C& c) { c.Type(Field::txtRs, 0, "0"); }, 0, Field::txtRs, 0, "0"},
        {"resistor unit", [](C& c) { c.Pick(Field::cboRs, 2, 1); }, 1, Field::cboRs, 2, "kOhm"},
        {"current unit", [](C& c) { c.Pick(Field::cboIst, 0, 0); }, 1, Field::cboIst, 0, "uA"},
        {"a multiplier letter", [](C& c) { c.Type(Field::txtRs, 1, "4K7"); }, 2, Field::cboRs, 1, "kOhm"},
        {"a negative multiplier", [](C& c) { c.Type(Field::txtRs, 1, "-4K7"); }, 3, Field::txtRs, 1, "4.7"},
        {"a negative multiplier too large", [](C& c) { c.Type(Field::txtRs, 3, "-9E307M"); }, 1, Field::txtRs, 3, "9E+307"},
        {"a pick over a letter of another unit", [](C& c) { c.Pick(Field::cboRs, 1, 2); }, 2, Field::txtRs, 1, "4.7",
         {Field::txtRs, 1, "4K7"}},
        {"a pick of the letter's own unit", [](C& c) { c.Pick(Field::cboIst, 0, 1); }, 0, Field::txtIst, 0, "5m",
         {Field::txtIst, 0, "5m"}},
        {"left with a letter", [](C& c) { c.events.LostFocus(Field::txtRs, 1); }, 1, Field::txtRs, 1, "4.7",
         {Field::txtRs, 1, "4K7"}},
        {"left as typed", [](C& c) { c.events.LostFocus(Field::txtIst, 0); }, 0, Field::txtIst, 0, "2"},
        {"clear at the defaults", [](C& c) { c.events.ClearClick(); }, 0, Field::txtRs, 0, "0", {Field::txtIst, 0, "0"}},
    };
    for (const auto& trigger : triggers) {
        HeadlessCalculator calculator;
        calculator.events.Load();
        calculator.Type(Field::txtIst, 0, "2");
        calculator.Type(trigger.before.field, trigger.before.index, trigger.before.text);
        calculator.fields.Forget();

        trigger.act(calculator);
        EXPECT_EQ(calculator.fields.recalculations, trigger.recalculations) << trigger.what;
        EXPECT_EQ(calculator.fields.model.Text(trigger.field, trigger.index), trigger.text_after) << trigger.what;
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << trigger.what;
    }
}

TEST(Events, PastedTextsCountAsTheyReadAndAreWrittenWhenLeft) {
    // A text counts as the number the locale's own form reads, and once left
    // shows that number as the system writes it, the unit unchanged.
    struct Case {
        const NumberLocale& locale;
        const char* pasted;
        const char* shown;  // before the entry is left
        const char* total;
        const char* left;
    };
    const Case cases[] = {
        {testing::kCLocale, "1,000", "1,000", "1", "1000"},           {testing::kCLocale, "1,5", "1,5", "1.5", "1,5"},
        {testing::kDotLocale, "12,345", "12,345", "12.345", "12345"}, {testing::kDotLocale, "$5", "$5", "5", "5"},
        {testing::kDotLocale, "-12.5", "12.5", "12.5", "12.5"},       {testing::kDotLocale, "-2,2", "2.2", "2.2", "2.2"},
        {testing::kDotLocale, "2,2", "2,2", "2.2", "2,2"},            {testing::kDotLocale, "+7", "+7", "7", "7"},
        {testing::kRomanian, "12.345,6", "12.345,6", "12,346", "12345,6"},
        {testing::kRomanian, "RON 5", "RON 5", "5", "5"},             {testing::kRomanian, "1.5", "1.5", "1,5", "1.5"},
        {testing::kRomanian, "-2.5", "2,5", "2,5", "2,5"},            {testing::kRomanian, "-2,5", "2,5", "2,5", "2,5"},
        {testing::kFrench, "12 345", "12 345", "12,345", "12345"},
        {testing::kFrench, "12\u202F345", "12\u202F345", "12,345", "12345"},
        {testing::kFrench, "5 \u20AC", "5 \u20AC", "5", "5"},
        {testing::kSwissGerman, "12'345", "12'345", "12.345", "12345"},
        {testing::kSwissGerman, "CHF 5", "CHF 5", "5", "5"},
    };
    for (const auto& c : cases) {
        HeadlessCalculator calculator(c.locale);
        calculator.events.Load();
        calculator.Type(Field::txtRs, 0, c.pasted);
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRs, 0), c.shown) << c.pasted;
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRst), c.total) << c.pasted;
        const Texts results = calculator.Results();
        calculator.events.LostFocus(Field::txtRs, 0);
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRs, 0), c.left) << c.pasted;
        EXPECT_EQ(calculator.Results(), results) << c.pasted;
    }
}

// A number typed a key at a time is the number computed, in every
// settings, and the entry shows it once left.
TEST(Events, TypedKeyByKeyIsTheNumberComputed) {
    using testing::Typed;
    for (const NumberLocale& locale : {testing::kCLocale, testing::kDotLocale, testing::kRomanian, testing::kFrench}) {
        for (const auto& row : testing::kTypedKeys) {
            for (const Field entry : {Field::txtRs, Field::txtIst}) {
                if (row.into != Typed::both && (row.into == Typed::current) != (entry == Field::txtIst)) continue;
                const int index = entry == Field::txtRs ? 1 : 0;
                const std::string what = std::string(row.keys) + " into " + ControlName(entry, index) + " under " +
                                         locale.decimal_separator;
                HeadlessCalculator calculator(locale);
                calculator.events.Load();
                if (entry == Field::txtIst) calculator.Type(Field::txtRs, 0, "1");
                std::vector<std::string> shown;
                for (const auto& key : calculator.TypeKeys(entry, index, row.keys)) shown.push_back(key.shown);
                EXPECT_EQ(shown, testing::ShownAfterEachKey(row, locale)) << what;
                const std::string chooser = calculator.fields.model.Text(ChooserOf(entry), index);
                EXPECT_EQ(chooser, *row.chooser ? row.chooser : entry == Field::txtRs ? "Ohm" : "A") << what;
                if (row.into != Typed::both || entry == Field::txtRs) {
                    EXPECT_EQ(testing::TotalOf(calculator.fields.model, entry), testing::Localized(row.total, locale))
                        << what;
                }
                EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << what;
                EXPECT_TRUE(calculator.platform.reports.empty()) << what;

                const Texts results = calculator.Results();
                calculator.events.LostFocus(entry, index);
                EXPECT_EQ(calculator.fields.model.Text(entry, index), testing::Localized(row.left, locale)) << what;
                EXPECT_EQ(calculator.Results(), results) << what;
            }
        }
    }
}

// A number beyond the double range becomes "0", and the user is told once.
TEST(Events, ANumberTooLargeIsToldAndZeroed) {
    for (const std::string& pasted : {std::string(320, '9'), std::string("1E400"), std::string("-1E400")}) {
        HeadlessCalculator calculator;
        calculator.events.Load();
        calculator.Type(Field::txtIst, 0, "2");
        calculator.Type(Field::txtIst, 0, pasted);
        calculator.Pause();
        EXPECT_EQ(calculator.fields.model.Text(Field::txtIst), "0") << pasted;
        ASSERT_EQ(calculator.platform.reports.size(), 1u) << pasted;
        EXPECT_EQ(calculator.platform.reports[0].first, kOverflowError) << pasted;
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << pasted;
    }
}

TEST(ClearButton, RestoresTheDefaultsEntryBeforeChooser) {
    HeadlessCalculator calculator;
    calculator.events.Load();
    const Texts startup_results = calculator.Results();
    for (int i = 0; i < 4; ++i) {
        calculator.Type(Field::txtRs, i, std::to_string(i + 1));
        calculator.Pick(Field::cboRs, i, 1 + i % 2);
    }
    calculator.Type(Field::txtIst, 0, "7");
    calculator.Pick(Field::cboIst, 0, 0);
    const Texts typed = calculator.fields.CurrentInputs();
    calculator.fields.Forget();

    calculator.events.ClearClick();
    EXPECT_EQ(calculator.fields.recalculations, 10);
    EXPECT_EQ(calculator.fields.InputWrites(),
              (Texts{"txtRs(0)=0", "cboRs(0)=Ohm", "txtRs(1)=0", "cboRs(1)=Ohm", "txtRs(2)=0", "cboRs(2)=Ohm",
                     "txtRs(3)=0", "cboRs(3)=Ohm", "txtIst=0", "cboIst=A"}));
    // No recalculation on the way saw a typed value under another unit.
    // Four entries, four choosers, then the current's entry and chooser.
    const std::pair<std::size_t, std::size_t> units[] = {{0, 4}, {1, 5}, {2, 6}, {3, 7}, {8, 9}};
    for (const Texts& seen : calculator.fields.seen_by_recalculations) {
        for (const auto& [entry, chooser] : units) EXPECT_TRUE(seen[entry] == "0" || seen[chooser] == typed[chooser]);
    }
    EXPECT_EQ(calculator.fields.CurrentInputs(), kDefaultInputs);
    EXPECT_EQ(calculator.Results(), startup_results);

    calculator.fields.Forget();
    calculator.Type(Field::txtRs, 2, "5");
    calculator.Pick(Field::cboIst, 0, 1);
    calculator.fields.Forget();
    calculator.events.ClearClick();
    EXPECT_EQ(calculator.fields.recalculations, 2);
}

// The overflow still stands while the clear's first writes recalculate:
// those errors are not the user's, and no press is needed but the one.
TEST(ClearButton, OnePressRestoresTheDefaultsFromAnOverflow) {
    auto overflows = testing::kOverflows;
    // One that the clear's first write, into txtRs(0), leaves standing.
    overflows.push_back({"two resistors and the current",
                         {{Field::txtRs, 0, "1E200"}, {Field::txtRs, 1, "1E200"}, {Field::txtIst, 0, "1E200"}},
                         {}});
    for (const auto& overflow : overflows) {
        HeadlessCalculator calculator;
        calculator.events.Load();
        testing::EnterEdits(calculator.fields.model, overflow.edits);
        calculator.Pause();
        const auto reports = calculator.platform.reports.size();
        ASSERT_GE(reports, 1u) << overflow.stage;

        calculator.fields.Forget();
        calculator.events.ClearClick();
        EXPECT_GE(calculator.fields.recalculations, 2) << overflow.stage;  // some of them failed
        EXPECT_EQ(calculator.platform.reports.size(), reports) << overflow.stage;
        EXPECT_EQ(calculator.fields.CurrentInputs(), kDefaultInputs) << overflow.stage;
        EXPECT_EQ(calculator.Results(), kZeroResults) << overflow.stage;
    }
}

TEST(KeyPress, EscapeAloneEndsTheProgram) {
    HeadlessCalculator calculator;
    calculator.events.Load();
    for (int key : {97, 48, 13, 9, 26, 28, 127, -1}) calculator.events.KeyPress(static_cast<std::int16_t>(key));
    EXPECT_EQ(calculator.platform.ends, 0);
    calculator.events.KeyPress(kEscape);
    EXPECT_EQ(calculator.platform.ends, 1);
    EXPECT_EQ(calculator.fields.CurrentInputs(), kDefaultInputs);
}

// An overflow is reported once; the inputs stay as typed (a negative one
// turns positive), the results the failed recalculation left undone are
// empty, and the edits that undo it bring all back.
TEST(RunTimeErrors, AreReportedAndTheProgramGoesOn) {
    auto overflows = testing::kOverflows;
    // Reached in the recalculation the handler of a negative entry calls.
    overflows.push_back(
        {"nested in a negative entry", {{Field::cboRs, 0, "MOhm"}, {Field::txtRs, 0, "-1E+303"}}, Texts(22)});
    for (const auto& overflow : overflows) {
        HeadlessCalculator calculator;
        calculator.events.Load();
        testing::EnterEdits(calculator.fields.model, overflow.edits);
        calculator.Pause();

        ASSERT_EQ(calculator.platform.reports.size(), 1u) << overflow.stage;
        EXPECT_EQ(calculator.platform.reports[0], (std::pair<int, std::string>{6, "Overflow"})) << overflow.stage;
        const auto& last = overflow.edits.back();
        EXPECT_EQ(calculator.fields.model.Text(last.field, last.index), last.text + (*last.text == '-'))
            << overflow.stage;
        EXPECT_EQ(calculator.Results(), overflow.results) << overflow.stage;
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << overflow.stage;

        // Not told again while the inputs stay too large, so no key is lost
        // to the report; a number too large for an entry is, each time.
        calculator.TypeKeys(Field::txtRs, 2, "999999");
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRs, 2), "999999") << overflow.stage;
        EXPECT_EQ(calculator.platform.reports.size(), 1u) << overflow.stage;
        calculator.Type(Field::txtRs, 2, "1E400");
        calculator.Pause();
        EXPECT_EQ(calculator.platform.reports.size(), 2u) << overflow.stage;

        for (const auto& edit : overflow.edits) {
            if (edit.field == Field::txtRs || edit.field == Field::txtIst) calculator.Type(edit.field, edit.index, "0");
        }
        EXPECT_EQ(calculator.Results(), kZeroResults) << overflow.stage;
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << overflow.stage;
        EXPECT_EQ(calculator.platform.reports.size(), 2u) << overflow.stage;
    }
}

// What typing makes too large is told once the user pauses: not while keys
// keep coming, each 900 ms after the one before, nor where the inputs came
// back in range meanwhile.
TEST(RunTimeErrors, WaitForThePauseInTyping) {
    using namespace std::chrono_literals;
    const std::tuple<std::vector<std::string>, std::chrono::milliseconds, std::size_t> rows[] = {
        {{"1", "12", "123", "1234", "12345"}, 999ms, 0},  // txtRs(0) key by key, the current at 1E200; the wait after
        {{"1", "12", "123", "1234", "12345"}, 1000ms, 1},
        {{"1", "0"}, 5000ms, 0},
    };
    for (const auto& [texts, waited, reports] : rows) {
        HeadlessCalculator calculator;
        calculator.events.Load();
        calculator.Type(Field::txtIst, 0, "1E200");
        for (const std::string& text : texts) {
            calculator.Wait(900ms);
            calculator.Type(Field::txtRs, 0, text);
        }
        EXPECT_TRUE(calculator.platform.reports.empty());
        calculator.Wait(waited);
        EXPECT_EQ(calculator.platform.reports.size(), reports) << texts.back() << " " << waited.count();
    }
}

}  // namespace
}  // namespace quorvel
