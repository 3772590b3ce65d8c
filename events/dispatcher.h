#pragma once

// The one point through which every event of the window enters its handlers.
//
// One keystroke, from the entry to the boxes: the user types "5" into
// txtRs(1). The front end (the window's line edit, the page's input) has
// applied the typed limit; it runs the event through its field set
// (HeldFieldSet::RunEvent, frontend/held_field_set.h), which calls
// Changed(txtRs, 1) here. Dispatch calls txtRs_Change (handlers.h): it reads
// the entry (ReadEntry, calc/entry_text.h); a text no key can mend becomes
// "0", a negative one its positive value, and that write raises the same
// handler again, nested inside the write, through the field set's change
// callback and Dispatch at depth 2, which recalculates. Otherwise the
// handler calls Recalculate (calc/recalculate.h) at once. Recalculate writes
// every result several times, the running totals and the raw values before
// the scaled ones; the field set holds them and shows none. When the
// outermost event is over, the field set writes each box whose text or unit
// changed, once. A run-time error unwinds to the outermost Dispatch, which
// hands it to the platform's report once the held results are shown.

#include <cstdint>

#include "calc/fields.h"
#include "events/platform.h"

namespace quorvel {

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

private:
    template <class Handler>
    void Dispatch(Handler handler);

    FieldSet& form_;
    Platform& platform_;
    int depth_ = 0;
    bool clearing_ = false;  // the clear button's writes are running
};

// Binds the change callback of a field model to the dispatcher, so that the
// calculator runs on the model as it does on the window.
void BindEvents(FieldModel& model, EventDispatcher& events);

}  // namespace quorvel
