#pragma once

// A resistor's part picker (frontend/part_picker.h) as a modal dialog of
// Windows' own controls over the window: the count of bands, a chooser for
// each band whose items are a swatch of the colour beside its Romanian
// name, the part drawn with its bands (a screen reader hears their names),
// the SMD code, the value as it forms, OK and "Renunță". Esc closes it and
// nothing else. The window logic decides every change; the dialog forwards
// each and shows what the logic returns.
//
// Its controls are made in code, not from a dialog resource: they are
// placed at the monitor's DPI in the window's own font, which dialog units
// would not follow; the band choosers are as many as the count picked; and
// every text comes from frontend/texts.h.

#include <windows.h>

#include "frontend/window_logic.h"

namespace quorvel::win {

// The dialog's controls, for any tool that finds them; its labels have
// none. OK and "Renunță" are IDOK and IDCANCEL, which Enter and Esc press.
inline constexpr int kPickerCountId = 100;
inline constexpr int kPickerBandId = 101;  // + the band, from the first figure on
inline constexpr int kPickerCodeId = 110;
inline constexpr int kPickerReadId = 111;
inline constexpr int kPickerPictureId = 112;

// Shown over the owner until closed: OK enters the value into the
// resistor's entry.
void ShowPartPicker(HWND owner, int resistor, WindowLogic& logic);

}  // namespace quorvel::win
