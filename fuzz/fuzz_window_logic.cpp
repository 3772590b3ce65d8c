// The window logic driven by arbitrary raw events, as any front end forwards
// them, on a view that keeps what its entries show; checked after every
// event: the calculator is sound and the entries show what its fields hold.
// The first byte picks the regional settings and whether the view is a
// page's; then each step is an event byte (taken modulo 13), then what the
// event needs, as the comment at each case says. A control is a byte: the
// table's control of that place (modulo its size).

#include <cstdint>
#include <string>

#include "frontend/utf16.h"
#include "frontend/window_logic.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"
#include "test_support/recording_view.h"
#include "test_support/soundness.h"

namespace {

using namespace quorvel;

constexpr int kMostSteps = 64;
constexpr std::size_t kLongestText = 16;

const layout::Control& AnyControl(fuzzing::Input& input) {
    return layout::kControls[static_cast<std::size_t>(input.Pick(layout::kControlCount))];
}

// One of the five entries or the five choosers.
const layout::Control& Input(fuzzing::Input& input, Field first) {
    const int which = input.Pick(kResistorCount + 1);
    return which < kResistorCount ? layout::ControlOf(first, which)
                                  : layout::ControlOf(first == Field::txtRs ? Field::txtIst : Field::cboIst);
}

void Check(const std::string& wrong) {
    if (!wrong.empty()) FUZZ_FAIL(wrong.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    testing::RecordingView view;
    const int setting = input.Pick(2 * static_cast<int>(fuzzing::kSoundLocales.size()));
    view.locale = fuzzing::kSoundLocales[static_cast<std::size_t>(setting / 2)];
    view.page = setting % 2 == 1;
    WindowLogic logic(view);
    logic.Load();
    logic.Shown();
    constexpr int kCodes[] = {0, kKeyUp, kKeyDown, 'C', 'R'};
    for (int step = 0; step < kMostSteps && !input.AtEnd() && !logic.Ended(); ++step) {
        const int event = input.Pick(13);
        switch (event) {
            case 0: {  // a key: its control (or none, past the table), code, modifiers, a character it types
                const int target = input.Pick(layout::kControlCount + 1);
                const int code = kCodes[input.Pick(5)];
                const int modifiers = input.Pick(16);
                const std::u16string typed = Utf16(input.Text(1));
                logic.KeyPressed(target < layout::kControlCount ? &layout::kControls[static_cast<std::size_t>(target)] : nullptr,
                                 {code, modifiers, typed, false, false});
                break;
            }
            case 1:    // an edit made: the entry, its text, the caret, how it put its text in
            case 2: {  // an edit proposed, then made as the logic says
                const bool made = event == 1;
                const layout::Control& entry = Input(input, Field::txtRs);
                const std::u16string text = Utf16(input.Text(kLongestText));
                const TypedText edited{text, input.Pick(static_cast<int>(text.size()) + 1)};
                const auto how = static_cast<EntryInput>(input.Pick(3));
                view.focused = &entry;
                if (made) {
                    view.texts[&entry] = Utf8(text);
                    logic.EntryEdited(entry, edited, how, text);
                } else if (const EntryAfterEdit after = logic.EditProposed(entry, edited, how, text); after.taken) {
                    view.texts[&entry] = Utf8(after.shown.text);
                    logic.EntryChanged(entry);
                }
                break;
            }
            case 3: logic.Picked(Input(input, Field::cboRs), input.Pick(5) - 1); break;  // a chooser, its item
            case 4: logic.EntryPressed(Input(input, Field::txtRs)); break;            // an entry
            case 5: {  // a control left, where to, and the control that has the focus then
                const layout::Control& from = AnyControl(input);
                const bool to_control = input.Pick(2) == 1;
                view.focused = to_control ? &AnyControl(input) : nullptr;
                logic.FocusLeft(from, to_control);
                if (view.focused) logic.FocusEntered(*view.focused, true);
                break;
            }
            case 6: {  // a box moved in: the box, the selection's ends, whether scrolled
                const layout::Control& box = AnyControl(input);
                view.focused = &box;
                logic.BoxMoved(box, input.Pick(20), input.Pick(20), input.Pick(2) == 1);
                break;
            }
            case 7: logic.Clicked(AnyControl(input)); break;                         // a control clicked
            case 8: logic.Run(static_cast<Command>(input.Pick(4))); break;           // a command
            case 9: logic.TooltipAsked(AnyControl(input)); break;                    // a control
            case 10: {  // a timer: the pause or the address's; the address edited to a text
                logic.TimerElapsed(input.Pick(2) == 0 ? Timer::pause : Timer::address);
                view.address = "file:///quorvel.html#" + input.Text(kLongestText);
                logic.AddressEdited();
                break;
            }
            case 11: {  // the parts: a resistor's picker and what is done in it, the tolerance, the section
                const int resistor = input.Pick(kResistorCount + 1) - 1;  // one past either end too
                const PickerState* state = &logic.PickerOpened(resistor);
                switch (input.Pick(4)) {
                    case 0: state = &logic.PickerCount(resistor, input.Pick(7)); break;
                    case 1: state = &logic.PickerPicked(resistor, input.Pick(7) - 1, input.Pick(15) - 1); break;
                    case 2: state = &logic.PickerCode(resistor, input.Text(kLongestText)); break;
                    default: logic.PickerTaken(resistor);
                }
                if (state->value && state->read.empty()) FUZZ_FAIL("a picker's value formed without its text");
                if (state->read.find("inf") != std::string::npos || state->read.find("nan") != std::string::npos) {
                    FUZZ_FAIL(state->read.c_str());
                }
                logic.SetTolerance(kCircuitTolerances[static_cast<std::size_t>(input.Pick(5))]);
                logic.PartsShown(input.Pick(2) == 1);
                break;
            }
            default:  // the layout changed (for a control, or every one), the solution shown or not, hidden
                logic.LayoutChanged(input.Pick(2) == 0 ? nullptr : &AnyControl(input));
                logic.SolutionShown(input.Pick(2) == 1);
                logic.Hidden();
        }
        if (logic.Ended()) break;
        Check(testing::Unsoundness(logic.Fields()));
        for (const Field entry : {Field::txtRs, Field::txtIst}) {
            for (int i = 0; i < CountOf(entry); ++i) {
                if (view.texts[&layout::ControlOf(entry, i)] != logic.Fields().Text(entry, i)) {
                    FUZZ_FAIL((ControlName(entry, i) + " shows other than its field holds").c_str());
                }
            }
        }
    }
    return 0;
}
