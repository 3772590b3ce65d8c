#include "events/handlers.h"

#include "number/entry_text.h"
#include "number/number_text.h"
#include "calc/entry_value.h"
#include "calc/recalculate.h"

namespace quorvel {
namespace {

std::string Zero() { return NumberToText(std::int16_t{0}); }

EntryText Read(const FieldSet& form, Field entry, int index) {
    return ReadEntry(form.Text(entry, index), form.Locale(), QuantityOf(entry));
}

// A multiplier letter or unit word puts its unit in the chooser beside the
// entry: its own, or the nearest the list has. That write is a pick.
void FollowTheLetter(FieldSet& form, Field entry, int index, int steps) {
    const Field chooser = ChooserOf(entry);
    form.SetText(chooser, index, form.ListItem(chooser, index, NearestItem(chooser, steps)));
}

// A text on its way to a number stays as typed and counts as the entry
// reads it; one no key can mend becomes "0", as does a number too large,
// which is told. A letter picks its unit. A negative number loses its minus
// and keeps the rest as typed, so that the next key goes on with the same
// number. Each write into the entry starts this handler again, nested, and
// that one recalculates.
void ValidateEntry(FieldSet& form, Field entry, int index) {
    const EntryText read = Read(form, entry, index);
    switch (read.reading) {
        case EntryReading::no_number: form.SetText(entry, index, Zero()); return;
        case EntryReading::too_large:
            // Told even where the inputs left are too large as well: that
            // error, from the "0"'s own recalculation, would hide this one.
            try {
                form.SetText(entry, index, Zero());
            } catch (const RuntimeError&) {
            }
            throw EntryTooLargeError();
        case EntryReading::number:
        case EntryReading::beginning: break;
    }
    // The minus goes first: the letter's pick recalculates, and an error there
    // must not leave the entry counting below zero.
    if (read.negative) {
        std::string positive = form.Text(entry, index);
        positive.erase(positive.find('-'), 1);
        form.SetText(entry, index, positive);
    } else if (read.steps) {
        FollowTheLetter(form, entry, index, *read.steps);
    }
    Recalculate(form);
}

// A pick while the entry holds a multiplier of another unit: the entry first
// becomes its plain number in the letter's unit, and then the pick counts.
void KeepTheValueOfTheLetter(FieldSet& form, Field entry, int index) {
    const EntryText read = Read(form, entry, index);
    if (!read.steps) return;
    const Field chooser = ChooserOf(entry);
    const int item = NearestItem(chooser, *read.steps);
    if (form.Text(chooser, index) == form.ListItem(chooser, index, item)) return;
    const double in_letters_unit = Rescaled(read.value, *read.steps - ListOf(chooser)[static_cast<std::size_t>(item)].steps);
    form.SetText(entry, index, NumberToText(in_letters_unit, form.Locale()));
}

// What the entry shows is what counts: a text with more than digits and one
// decimal mark is written again as the number it counts as, in the
// chooser's unit, the way the system writes numbers.
void LeaveEntry(FieldSet& form, Field entry, int index) {
    const EntryText read = Read(form, entry, index);
    if (read.plain) return;
    form.SetText(entry, index, NumberToText(LeftValue(form, entry, index, read), form.Locale()));
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
