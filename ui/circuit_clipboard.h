#pragma once

#include <QWidget>

#include "calc/fields.h"

namespace quorvel {

// The whole circuit for a report, on the clipboard as tab-separated text,
// which a spreadsheet takes as cells, and as an HTML table, which a word
// processor takes as a table (frontend/circuit_table.h).
void CopyCircuit(const FieldSet& form);

// Its worked solution, as text and as HTML, which a word processor takes as
// readable lines (frontend/worked_solution.h).
void CopySolution(const FieldSet& form);

// Copies the circuit on Ctrl+Shift+C and its solution on Ctrl+Shift+R
// anywhere in the window, and from the items "Copiază circuitul" and
// "Copiază rezolvarea" after the toolkit's own in the context menu of every
// entry and result box.
void OfferCircuitCopy(QWidget& window, const FieldSet& form);

}  // namespace quorvel
