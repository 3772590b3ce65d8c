// The whole calculator without a window, driven by arbitrary sequences of
// edits, picks and clear presses, checked after every step. The first byte
// picks the regional settings; then each step is an action byte:
//   0, 1  type into an entry: which (0-3 a resistor, 4 the current), then a
//         length byte and up to 16 bytes of text
//   2     pick: which chooser (0-3 a resistor's, 4 the current's), which item
//   3     press clear
// A number typed is also typed a key at a time into a calculator of its own.

#include <cstdint>
#include <string>

#include "calc/fields.h"
#include "test_support/headless_calculator.h"
#include "test_support/soundness.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"

namespace {

using namespace quorvel;

constexpr int kMostSteps = 64;
constexpr std::size_t kLongestEntry = 16;

using testing::Action;

// Stops the run where a check finds something wrong, and says what.
void Check(const std::string& wrong) {
    if (!wrong.empty()) FUZZ_FAIL(wrong.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const auto& locale = fuzzing::kSoundLocales[input.Pick(static_cast<int>(fuzzing::kSoundLocales.size()))];
    testing::HeadlessCalculator calculator(locale);

    // Whatever the user does, the dispatch point stops every error.
    try {
        calculator.events.Load();
        Check(testing::Unsoundness(calculator.fields.model, calculator.platform.reports));
        for (int step = 0; step < kMostSteps && !input.AtEnd(); ++step) {
            const int kind = input.Pick(4);
            Action action{kind < 2 ? Action::type : kind == 2 ? Action::pick : Action::clear};
            if (kind < 3) action.which = input.Pick(kResistorCount + 1);
            if (kind < 2) {
                action.text = input.Text(kLongestEntry);
                Check(testing::TypedUnlikePasted(action.text, locale));
            }
            if (kind == 2) action.item = input.Pick(3);
            Check(testing::UnsoundAfter(calculator, action));
        }
    } catch (...) {
        FUZZ_FAIL("an error got past the dispatch point");
    }
    return 0;
}
