// Long random sequences of edits, picks and clicks through the bound model.

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "events/tests/headless_calculator.h"

namespace quorvel {
namespace {

using testing::HeadlessCalculator;

const testing::Inputs kDefaults{{"0", "Ohm", "0", "Ohm", "0", "Ohm", "0", "Ohm", "0", "A"}};

std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {
        "0", "1", "2", "5", "9", "-", "+", ".", ",", "E", "e", "&H", " ", "a", "Z", "$", "\u00E2", "\u0103",
        "\u202F", "\xFF", "9E307", "1E200",
    };
    std::string text;
    while (text.size() < 12 && random() % 6 != 0) text += kPieces[random() % kPieces.size()];
    return text.substr(0, 12);
}

void ExpectSound(const HeadlessCalculator& calculator, const std::string& step) {
    const NumberLocale locale = calculator.fields.model.Locale();
    for (Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const std::string text = calculator.fields.model.Text(entry, i);
            ASSERT_TRUE(IsNumericText(text, locale)) << step << ": \"" << text << '"';
            ASSERT_FALSE(ParseStrict(text, locale) < 0) << step << ": \"" << text << '"';
        }
    }
    ASSERT_EQ(calculator.Results(), calculator.ExpectedResults()) << step;
    // A comma in an entry counts as the point a reader sees in it.
    FieldModel pointed(locale);
    for (Field input : testing::kInputFields) {
        for (int i = 0; i < CountOf(input); ++i) {
            std::string text = calculator.fields.model.Text(input, i);
            if (KindOf(input) == FieldKind::entry) std::replace(text.begin(), text.end(), ',', '.');
            pointed.SetText(input, i, text);
        }
    }
    ASSERT_EQ(calculator.Results(), testing::RecalculateInputsOf(pointed, locale).results) << step;
    for (const auto& text : calculator.Results()) {
        ASSERT_EQ(text.find("inf"), std::string::npos) << step;
        ASSERT_EQ(text.find("nan"), std::string::npos) << step;
    }
}

TEST(EventsProperty, EveryEventLeavesSoundFields) {
    for (const NumberLocale& locale : {testing::kDotLocale, testing::kRomanian, testing::kFrench}) {
        const unsigned seed = 2026 + static_cast<unsigned>(locale.group_separator.size());
        std::mt19937 random(seed);
        HeadlessCalculator calculator(locale);
        calculator.events.Load();
        for (int step = 0; step < 3000; ++step) {
            std::string what;
            switch (random() % 8) {
                case 0:
                    what = "pick";
                    calculator.Pick(random() % 2 ? Field::cboRs : Field::cboIst, 0, static_cast<int>(random() % 3));
                    break;
                case 1: {
                    what = "clear";
                    const auto reports = calculator.platform.reports.size();
                    ASSERT_NO_THROW(calculator.events.ClearClick());
                    // One press, from any state: the defaults, and nothing to tell.
                    ASSERT_EQ(calculator.fields.CurrentInputs(), kDefaults) << seed << ", step " << step;
                    ASSERT_EQ(calculator.platform.reports.size(), reports) << seed << ", step " << step;
                    break;
                }
                default: {
                    const bool resistor = random() % 5 != 0;
                    const int index = resistor ? static_cast<int>(random() % 4) : 0;
                    const std::string text = RandomText(random);
                    what = "type \"" + text + "\"";
                    ASSERT_NO_THROW(calculator.Type(resistor ? Field::txtRs : Field::txtIst, index, text));
                }
            }
            ExpectSound(calculator, "seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + what);
        }
        for (const auto& report : calculator.platform.reports) EXPECT_EQ(report.first, 6);
    }
}

}  // namespace
}  // namespace quorvel
