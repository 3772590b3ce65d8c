#pragma once

// The event handlers of the window frmQuorvel. They keep no state: they read
// and write the fields, and leave all computing to Recalculate.

#include <cstdint>

#include "calc/fields.h"
#include "events/platform.h"

namespace quorvel {

inline constexpr std::int16_t kEscape = 27;

// The keys a key handler is given, by their codes, and the modifiers held
// with them, added up.
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// A number beyond the double range typed into an entry, which becomes "0".
class EntryTooLargeError : public OverflowError {};

void Form_Load(FieldSet& form);                                 // once, before the window is shown
void Form_KeyPress(Platform& platform, std::int16_t KeyAscii);  // a character typed into any control
void cmdClear_Click(FieldSet& form);                            // the button pressed
void txtRs_Change(FieldSet& form, std::int16_t index);          // a resistor entry's text changed
void txtIst_Change(FieldSet& form);                             // the current entry's text changed
void txtRs_LostFocus(FieldSet& form, std::int16_t index);       // the focus left a resistor entry for another control
void txtIst_LostFocus(FieldSet& form);                          // the focus left the current entry for another control
// A key pressed in a resistor entry; a key it takes, it sets to 0.
void txtRs_KeyDown(FieldSet& form, std::int16_t index, std::int16_t& KeyCode, std::int16_t Shift);
void cboRs_Change(FieldSet& form, std::int16_t index);  // never raised: a pick-only list changes by a pick alone
void cboRs_Click(FieldSet& form, std::int16_t index);   // a resistor's unit picked, by the user or a write
void cboIst_Change(FieldSet& form);                     // never raised: a pick-only list changes by a pick alone
void cboIst_Click(FieldSet& form);                      // the current's unit picked, by the user or a write

}  // namespace quorvel
