// The whole calculator without a window, driven by arbitrary sequences of
// edits, picks and clear presses, checked after every step. The first byte
// picks the regional settings; then each step is an action byte:
//   0, 1  type into an entry: which (0-3 a resistor, 4 the current), then a
//         length byte and up to 16 bytes of text
//   2     pick: which chooser (0-3 a resistor's, 4 the current's), which item
//   3     press clear

#include <cstdint>
#include <string>
#include <vector>

#include "calc/fields.h"
#include "calc/tests/field_texts.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"
#include "events/dispatcher.h"

namespace {

using namespace quorvel;

constexpr int kMostSteps = 64;
const std::vector<std::string> kDefaults{"0", "0", "0", "0", "Ohm", "Ohm", "Ohm", "Ohm", "0", "A"};
constexpr std::size_t kLongestEntry = 16;

class RecordingPlatform final : public Platform {
public:
    void End() override {}
    void ReportError(const RuntimeError& error) override { reports.push_back(error.number()); }

    std::vector<int> reports;
};

bool ShowsNoInfinity(const std::string& text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const std::string word{static_cast<char>(text[i] | 0x20), static_cast<char>(text[i + 1] | 0x20),
                               static_cast<char>(text[i + 2] | 0x20)};
        if (word == "inf" || word == "nan") return false;
    }
    return true;
}

void CheckFields(const FieldModel& model, const RecordingPlatform& platform) {
    const NumberLocale locale = model.Locale();
    for (Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const std::string text = model.Text(entry, i);
            FUZZ_CHECK(IsNumericText(text, locale));
            FUZZ_CHECK(!(ParseStrict(text, locale) < 0));
        }
    }
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        for (int j = 0; j < CountOf(field); ++j) FUZZ_CHECK(ShowsNoInfinity(model.Text(field, j)));
    }
    FUZZ_CHECK(testing::ResultTexts(model) == testing::RecalculateInputsOf(model, locale).results);
    for (int number : platform.reports) FUZZ_CHECK(number == 6 || number == 13);
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
        CheckFields(model, platform);
        for (int step = 0; step < kMostSteps && !input.AtEnd(); ++step) {
            switch (input.Pick(4)) {
                case 0:
                case 1: {
                    const int which = input.Pick(kResistorCount + 1);
                    const std::string text = input.Text(kLongestEntry);
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
                    FUZZ_CHECK(testing::InputTexts(model) == kDefaults);
                    FUZZ_CHECK(platform.reports.size() == reports);
                }
            }
            CheckFields(model, platform);
        }
    } catch (...) {
        FUZZ_FAIL("an error got past the dispatch point");
    }
    return 0;
}
