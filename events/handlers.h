#pragma once

// The event handlers of the window frmQuorvel. They keep no state: they read
// and write the fields, and leave all computing to Recalculate.

#include <cstdint>

#include "calc/fields.h"
#include "events/platform.h"

namespace quorvel {

inline constexpr std::int16_t kEscape = 27;

void Form_Load(FieldSet& form);
void Form_KeyPress(Platform& platform, std::int16_t KeyAscii);
void cmdClear_Click(FieldSet& form);
void txtRs_Change(FieldSet& form, std::int16_t index);
void txtIst_Change(FieldSet& form);
void cboRs_Change(FieldSet& form, std::int16_t index);
void cboRs_Click(FieldSet& form, std::int16_t index);
void cboIst_Change(FieldSet& form);
void cboIst_Click(FieldSet& form);

}  // namespace quorvel
