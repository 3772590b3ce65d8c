// Long random sequences of edits, picks and clicks through the bound model.

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "number/entry_text.h"
#include "calc/units.h"
#include "test_support/headless_calculator.h"
#include "test_support/soundness.h"
#include "test_support/text_pieces.h"

namespace quorvel {
namespace {

using testing::HeadlessCalculator;
using testing::kTextPieces;

std::string RandomText(std::mt19937& random) {
    std::string text;
    while (text.size() < 12 && random() % 6 != 0) text += kTextPieces[random() % kTextPieces.size()];
    return text.substr(0, 12);
}

TEST(EventsProperty, EveryEventLeavesSoundFields) {
    for (const NumberLocale& locale : {testing::kDotLocale, testing::kRomanian, testing::kFrench}) {
        const unsigned seed = 2026 + static_cast<unsigned>(locale.group_separator.size());
        std::mt19937 random(seed);
        HeadlessCalculator calculator(locale);
        calculator.events.Load();
        for (int step = 0; step < 3000; ++step) {
            testing::Action action{testing::Action::type};
            if (const auto kind = random() % 8; kind == 0) {
                action = {testing::Action::pick, random() % 2 ? 0 : kResistorCount, {}, static_cast<int>(random() % 3)};
            } else if (kind == 1) {
                action.kind = testing::Action::clear;
            } else {
                action.which = random() % 5 != 0 ? static_cast<int>(random() % 4) : kResistorCount;
                action.text = RandomText(random);
            }
            ASSERT_EQ(testing::UnsoundAfter(calculator, action), "") << "seed " << seed << ", step " << step << ": "
                << action.kind << ' ' << action.which << " \"" << action.text << '"';
        }
        for (const auto& report : calculator.platform.reports) EXPECT_EQ(report.first, 6);
    }
}

// Whatever number a user types a key at a time, each of its beginnings
// stays in the entry as typed (but for a negative number, which becomes its
// positive value as the system writes it), and it ends counting as the same
// text pasted, though the texts may differ: "-2.5" typed ends as "2.5".
TEST(EventsProperty, TypingKeyByKeyCountsAsPasting) {
    for (const NumberLocale& locale : {testing::kDotLocale, testing::kRomanian, testing::kFrench,
                                       testing::kSwissGerman}) {
        std::mt19937 random(1712);
        int typed = 0;
        for (int n = 0; n < 20000; ++n) {
            const std::string text = RandomText(random);
            if (ReadEntry(text, locale, Quantity::current).reading != EntryReading::number) continue;
            ++typed;
            ASSERT_EQ(testing::TypedUnlikePasted(text, locale), "") << '"' << text << '"';
        }
        EXPECT_GT(typed, 800) << "too few numbers drawn";
    }
}

}  // namespace
}  // namespace quorvel
