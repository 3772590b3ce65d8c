#pragma once

// A key pressed in the window, as every front end forwards it, and what it
// means there (the logic acts on it: WindowLogic::KeyPressed):
// - in an open list, menu or other popup, the key is the popup's own: Esc
//   closes it and nothing else;
// - the keys of a command run it, anywhere in the window;
// - Up and Down in a resistor entry step it through the standard values,
//   with Ctrl through E96, unless an input method is composing or a Mac's
//   command key (which moves the caret) is held;
// - every character a key types reaches the window's key handler first,
//   whichever control has the focus (Esc, character 27, ends the program).

#include <cstdint>
#include <optional>
#include <string_view>

#include "events/handlers.h"
#include "frontend/window_commands.h"
#include "frontend/window_layout.h"

namespace quorvel {

// The codes a front end gives for the keys, Windows' virtual-key codes, as
// the handlers know them: kKeyUp and kKeyDown (events/handlers.h), Esc, and
// a letter as its capital's code ('C'). 0 for any other key.
inline constexpr int kKeyEscape = 27;
// A Mac's command key, which the handlers know not; with the other masks
// of events/handlers.h.
inline constexpr int kMetaMask = 8;

// A toolkit that tells of a key and of the character it types apart
// (Windows' WM_KEYDOWN and WM_CHAR) forwards each: the key with its code and
// no character, then the character with code 0. One that tells of both at
// once (Qt's key press, a browser's keydown) forwards them together.
struct KeyEvent {
    int code = 0;
    int modifiers = 0;           // kShiftMask | kCtrlMask | kAltMask | kMetaMask
    std::u16string_view typed;   // the characters the key types, if the toolkit says so
    bool composing = false;      // an input method composes with it
    bool popup_open = false;     // a chooser's list, a menu or a popup of the window has it
};

struct KeyMeaning {
    enum class Kind {
        none,     // the control's own
        command,  // runs `command`
        step,     // steps the resistor entry it was pressed in, `up` or down
        typed,    // each character of `typed` reaches the key handler
    };
    Kind kind = Kind::none;
    Command command = Command::copy_circuit;
    bool up = false;
    std::u16string_view typed;
};

// target: the control of the calculator the key was pressed in; none where
// it is elsewhere on a page, which only a command's keys reach.
KeyMeaning MeaningOf(const KeyEvent& key, const layout::Control* target);

// The modifiers as the handlers know them: Shift, Ctrl and Alt.
std::int16_t HandlerShift(int modifiers);

}  // namespace quorvel
