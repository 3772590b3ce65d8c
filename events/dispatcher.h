#pragma once

// The one point through which every event of the window enters its handlers.
//
// One keystroke, from the entry to the boxes: the user types "5" into
// txtRs(1). The front end (the window's entry box, the page's input) has
// held what was typed to the typed limit, and calls Changed(txtRs, 1) here.
// The window logic (frontend/window_logic.h) has begun its event: its field
// set holds the results from now on. Dispatch calls txtRs_Change (handlers.h): it reads
// the entry (ReadEntry, number/entry_text.h); a text no key can mend becomes
// "0", a letter picks its unit, a negative number loses its minus, and each
// such write raises a handler again, nested inside the write, through the
// field set's change callback and Dispatch at depth 2, which recalculates.
// Otherwise the handler calls Recalculate (calc/recalculate.h) at once.
// Recalculate writes every result several times, the running totals and the
// raw values before the scaled ones; the field set holds them and shows none.
// When the window logic's event ends, it writes each box whose text or unit
// changed, once. A run-time error unwinds to the outermost Dispatch,
// which hands it to the platform's report once the event is over; where the
// user's typing caused it, once the user pauses.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calc/fields.h"
#include "events/platform.h"

namespace quorvel {

// How long the user stops typing before a report of what the typing caused
// shows, so that the report takes none of the keys that keep coming.
inline constexpr std::chrono::milliseconds kTypingPause{1000};

class EventDispatcher {
public:
    EventDispatcher(FieldSet& form, Platform& platform) : form_(form), platform_(platform) {}
    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    void Load();                            // the window is loaded
    void KeyPress(std::int16_t KeyAscii);   // a character typed into any control
    void ClearClick();                      // cmdClear clicked
    // The text of an entry changed, or a chooser's item was picked.
    void Changed(Field field, int index);
    // The user moved the focus from an entry to another control of the
    // window: by Tab, a click or a tap, the button included; not to a
    // popup, a message box or another window.
    void LostFocus(Field field, int index);
    // A text put into an entry from outside the window, by a link or the
    // command line: it counts as pasted there and then left.
    void Entered(Field entry, int index, const std::string& text);
    // A key the handlers know (kKeyUp, kKeyDown) pressed in an entry, with
    // the modifiers held (kCtrlMask, ...). True where the entry took it: the
    // control is not to have it too.
    bool KeyDown(Field entry, int index, std::int16_t KeyCode, std::int16_t Shift);
    // The events the action raises count as one, as an action from outside
    // the window does: none of them is told. The first error they met is
    // returned, for the one report of the action, which Report tells.
    std::optional<RuntimeError> AsOne(const std::function<void()>& action);
    // Tells the user at once, as the error of a click is told.
    void Report(const RuntimeError& error);
    // The user has paused (the platform's AwaitPause): the report that waited
    // for it shows now.
    void Paused();

private:
    // What raised an event: a key, a paste or an input method puts text in
    // while the user may go on typing; a click, a pick or anything else
    // is done at once.
    enum class Cause { typing, at_once };

    template <class Handler>
    void Dispatch(Handler handler, Cause cause = Cause::at_once);
    void Tell(const RuntimeError& error, Cause cause, bool entry_lost_its_number);

    struct Waiting {
        RuntimeError error;
        bool entry_lost_its_number;  // told even where the inputs come back in range
    };

    FieldSet& form_;
    Platform& platform_;
    int depth_ = 0;
    bool clearing_ = false;  // the clear button's writes are running
    bool writing_pair_ = false;  // a step writes an entry and its chooser as one change, and raises no handler
    std::optional<Waiting> waiting_;  // the report that waits for the user to pause
    bool as_one_ = false;  // the events of one action are running
    std::optional<RuntimeError> told_as_one_;  // the first error they tell
};

// Binds the change callback of a field model to the dispatcher, so that the
// calculator runs on the model as it does on the window.
void BindEvents(FieldModel& model, EventDispatcher& events);

}  // namespace quorvel
