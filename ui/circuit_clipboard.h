#pragma once

#include <QWidget>

#include "calc/fields.h"

namespace quorvel {

// The whole circuit for a report, on the clipboard as tab-separated text,
// which a spreadsheet takes as cells, and as an HTML table, which a word
// processor takes as a table (frontend/circuit_table.h).
void CopyCircuit(const FieldSet& form);

// Copies it on Ctrl+Shift+C anywhere in the window, and from an item
// "Copiază circuitul" after the toolkit's own in the context menu of every
// entry and result box.
void OfferCircuitCopy(QWidget& window, const FieldSet& form);

}  // namespace quorvel
