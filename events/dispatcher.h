#pragma once

// The one point through which every event of the window enters its handlers.

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
