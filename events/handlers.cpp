#include "events/handlers.h"

#include "number/number_text.h"
#include "calc/entry_value.h"
#include "calc/recalculate.h"
#include "calc/standard_values.h"

namespace quorvel {
namespace {

std::string Zero() { return NumberToText(std::int16_t{0}); }

// A write on the way to the state the handler leaves: the recalculation its
// own handler raises meets a state that is not the user's, nor is its error.
// The handler's last recalculation tells of the state it leaves.
void WriteOnTheWay(FieldSet& form, Field field, int index, const std::string& text) {
    try {
        form.SetText(field, index, text);
    } catch (const RuntimeError&) {
    }
}

// The entry loses a number too large for it, and that is told even where
// the inputs left are too large as well: their error would hide this one.
[[noreturn]] void LoseTooLarge(FieldSet& form, Field entry, int index) {
    WriteOnTheWay(form, entry, index, Zero());
    throw EntryTooLargeError();
}

// A multiplier letter or unit word, or a step to a standard value, puts its
// unit in the chooser beside the entry: its own, or the nearest the list
// has. That write is a pick.
void PickUnit(FieldSet& form, Field entry, int index, int steps) {
    const Field chooser = ChooserOf(entry);
    WriteOnTheWay(form, chooser, index, form.ListItem(chooser, index, NearestItem(chooser, steps)));
}

// A text on its way to a number stays as typed and counts as the entry
// reads it; one no key can mend becomes "0", as does a number too large,
// or a letter's value too large for its chooser's unit, which is told. A
// letter picks its unit. A negative number becomes its positive value as
// the system writes numbers, in the letter's unit; a negative beginning
// loses its minus and keeps the rest, so that the next key goes on with
// it. Each write into the entry starts this handler again, nested.
void ValidateEntry(FieldSet& form, Field entry, int index) {
    const EntryText read = form.Read(entry, index);
    if (read.reading == EntryReading::no_number) return form.SetText(entry, index, Zero());
    if (read.reading == EntryReading::too_large) LoseTooLarge(form, entry, index);
    double value = read.value;
    if (read.steps) {
        try {
            value = InLettersItem(entry, read);
        } catch (const OverflowError&) {
            LoseTooLarge(form, entry, index);
        }
    }
    // The minus goes first, so that no recalculation counts the entry below zero.
    if (read.negative && read.reading == EntryReading::number) {
        WriteOnTheWay(form, entry, index, NumberToText(-value, form.Locale()));
    } else if (read.negative) {
        std::string positive = form.Text(entry, index);
        positive.erase(positive.find('-'), 1);
        WriteOnTheWay(form, entry, index, positive);
    }
    if (read.steps) PickUnit(form, entry, index, *read.steps);
    Recalculate(form);
}

// A pick while the entry holds a multiplier of another unit: the entry first
// becomes its plain number in the letter's unit, and then the pick counts.
void KeepTheValueOfTheLetter(FieldSet& form, Field entry, int index) {
    const EntryText read = form.Read(entry, index);
    if (!read.steps) return;
    const Field chooser = ChooserOf(entry);
    if (form.Text(chooser, index) == form.ListItem(chooser, index, NearestItem(chooser, *read.steps))) return;
    form.SetText(entry, index, NumberToText(InLettersItem(entry, read), form.Locale()));
}

// What the entry shows is what counts: a text with more than digits and one
// decimal mark is written again as the number it counts as, in the
// chooser's unit, the way the system writes numbers.
void LeaveEntry(FieldSet& form, Field entry, int index) {
    const EntryText read = form.Read(entry, index);
    if (read.plain) return;
    form.SetText(entry, index, NumberToText(LeftValue(form, entry, index, read), form.Locale()));
}

// The next standard value above or below what the entry counts as: its
// number in the entry, its unit in the chooser, both written as one change,
// and then the one recalculation for the pair.
void StepEntry(FieldSet& form, Field entry, int index, const Series& series, bool up) {
    const Magnitude value = ExactValue(form, entry, index, form.Read(entry, index));
    const auto next = up ? StepUp(series, value) : StepDown(series, value);
    if (!next) return;
    const InUnit written = ToUnit(*next);
    PickUnit(form, entry, index, written.steps);
    form.SetText(entry, index, NumberToText(written.number, form.Locale()));
    Recalculate(form);
}

}  // namespace

void Form_Load(FieldSet& form) {
    for (int i = 0; i < kResistorCount; ++i) {
        form.SetText(Field::cboRs, i, form.ListItem(Field::cboRs, i, DefaultItemOf(Field::cboRs)));
        form.SetText(Field::txtRs, i, Zero());
    }
    form.SetText(Field::lblUMs, std::string(InfoOf(Field::lblUMs).created));  // the base unit's word
    form.SetText(Field::txtIst, Zero());
    form.SetText(Field::cboIst, form.ListItem(Field::cboIst, 0, DefaultItemOf(Field::cboIst)));
    Recalculate(form);
}

void Form_KeyPress(Platform& platform, std::int16_t KeyAscii) {
    if (KeyAscii == kEscape) platform.End();
}

// Each entry is reset before its chooser, so that while the writes' own
// handlers recalculate, a value the user typed never meets a larger unit
// than the user chose.
void cmdClear_Click(FieldSet& form) {
    for (int i = 0; i < kResistorCount; ++i) {
        form.SetText(Field::txtRs, i, Zero());
        form.SetText(Field::cboRs, i, form.ListItem(Field::cboRs, i, DefaultItemOf(Field::cboRs)));
    }
    form.SetText(Field::txtIst, Zero());
    form.SetText(Field::cboIst, form.ListItem(Field::cboIst, 0, DefaultItemOf(Field::cboIst)));
}

void txtRs_Change(FieldSet& form, std::int16_t index) { ValidateEntry(form, Field::txtRs, index); }

void txtIst_Change(FieldSet& form) { ValidateEntry(form, Field::txtIst, 0); }

void txtRs_LostFocus(FieldSet& form, std::int16_t index) { LeaveEntry(form, Field::txtRs, index); }

void txtIst_LostFocus(FieldSet& form) { LeaveEntry(form, Field::txtIst, 0); }

// Up and Down step through E24, and with Ctrl through E96; the entry takes
// them even where it is at an end of the series.
void txtRs_KeyDown(FieldSet& form, std::int16_t index, std::int16_t& KeyCode, std::int16_t Shift) {
    if ((KeyCode != kKeyUp && KeyCode != kKeyDown) || (Shift != 0 && Shift != kCtrlMask)) return;
    const bool up = KeyCode == kKeyUp;
    KeyCode = 0;
    StepEntry(form, Field::txtRs, index, Shift == kCtrlMask ? kE96 : kE24, up);
}

void cboRs_Change(FieldSet& form, std::int16_t /*index*/) { Recalculate(form); }

void cboRs_Click(FieldSet& form, std::int16_t index) {
    KeepTheValueOfTheLetter(form, Field::txtRs, index);
    Recalculate(form);
}

void cboIst_Change(FieldSet& form) { Recalculate(form); }

void cboIst_Click(FieldSet& form) {
    KeepTheValueOfTheLetter(form, Field::txtIst, 0);
    Recalculate(form);
}

}  // namespace quorvel
