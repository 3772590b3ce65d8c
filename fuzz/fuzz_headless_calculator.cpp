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
#include <vector>

#include "calc/fields.h"
#include "test_support/field_texts.h"
#include "test_support/headless_calculator.h"
#include "test_support/soundness.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"
#include "events/dispatcher.h"

namespace {

using namespace quorvel;

constexpr int kMostSteps = 64;
constexpr std::size_t kLongestEntry = 16;

using testing::RecordingPlatform;

// Stops the run where a check finds something wrong, and says what.
void Check(const std::string& wrong) {
    if (!wrong.empty()) FUZZ_FAIL(wrong.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    FieldModel model(fuzzing::kSoundLocales[input.Pick(static_cast<int>(fuzzing::kSoundLocales.size()))]);
    RecordingPlatform platform;
    EventDispatcher events(model, platform);
    BindEvents(model, events);

    // Whatever the user does, the dispatch point stops every error.
    try {
        events.Load();
        Check(testing::Unsoundness(model, platform.reports));
        for (int step = 0; step < kMostSteps && !input.AtEnd(); ++step) {
            switch (input.Pick(4)) {
                case 0:
                case 1: {
                    const int which = input.Pick(kResistorCount + 1);
                    const std::string text = input.Text(kLongestEntry);
                    Check(testing::TypedUnlikePasted(text, model.Locale()));
                    if (which < kResistorCount) {
                        model.SetText(Field::txtRs, which, text);
                    } else {
                        model.SetText(Field::txtIst, text);
                    }
                    break;
                }
                case 2: {
                    const int which = input.Pick(kResistorCount + 1);
                    const int item = input.Pick(3);
                    const Field chooser = which < kResistorCount ? Field::cboRs : Field::cboIst;
                    const int index = which < kResistorCount ? which : 0;
                    model.SetText(chooser, index, model.ListItem(chooser, index, item));
                    break;
                }
                default: {
                    // One press, from any state: the defaults, and nothing to tell.
                    const auto reports = platform.reports.size();
                    events.ClearClick();
                    FUZZ_CHECK(testing::InputTexts(model) == testing::kDefaultInputs);
                    FUZZ_CHECK(platform.reports.size() == reports);
                }
            }
            Check(testing::Unsoundness(model, platform.reports));
        }
    } catch (...) {
        FUZZ_FAIL("an error got past the dispatch point");
    }
    return 0;
}
