#include "events/handlers.h"

#include "calc/entry_text.h"
#include "calc/number_text.h"
#include "calc/recalculate.h"
#include "calc/units.h"

namespace quorvel {
namespace {

std::string Zero() { return NumberToText(std::int16_t{0}); }

// A text on its way to a number stays as typed and counts as the entry
// reads it; one no key can mend becomes "0", as does a number too large,
// which is told. A negative value becomes its positive one. Each write
// starts this handler again, nested, and that one recalculates.
void ValidateEntry(FieldSet& form, Field entry, int index) {
    const NumberLocale locale = form.Locale();
    const EntryText read = ReadEntry(form.Text(entry, index), locale);
    switch (read.reading) {
        case EntryReading::no_number: form.SetText(entry, index, Zero()); return;
        case EntryReading::too_large: form.SetText(entry, index, Zero()); throw OverflowError();
        case EntryReading::number:
        case EntryReading::beginning: break;
    }
    if (read.negative) {
        // The positive text comes from the value the calculation counts.
        form.SetText(entry, index, NumberToText(-EntryValue(form.Text(entry, index), locale), locale));
    }
    Recalculate(form);
}

}  // namespace

void Form_Load(FieldSet& form) {
    for (int i = 0; i < kResistorCount; ++i) {
        form.SetText(Field::cboRs, i, form.ListItem(Field::cboRs, i, DefaultItemOf(Field::cboRs)));
        form.SetText(Field::txtRs, i, Zero());
    }
    form.SetText(Field::lblUMs, "Ohm");
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

void cboRs_Change(FieldSet& form, std::int16_t /*index*/) { Recalculate(form); }

void cboRs_Click(FieldSet& form, std::int16_t /*index*/) { Recalculate(form); }

void cboIst_Change(FieldSet& form) { Recalculate(form); }

void cboIst_Click(FieldSet& form) { Recalculate(form); }

}  // namespace quorvel
