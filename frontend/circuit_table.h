#pragma once

// The whole circuit as one table, for a report: a header row; a row for
// each resistor with its value, voltage drop and power; a row for the
// current; a row of the totals (resistance, voltage, power). Each number
// stands whole, in the unit the window shows it in and in the locale's form,
// and beside it that unit. Given as tab-separated text, which a spreadsheet
// reads as cells, and as an HTML table, for a word processor.

#include <string>
#include <vector>

#include "calc/fields.h"

namespace quorvel {

using TableRow = std::vector<std::string>;

std::vector<TableRow> CircuitTable(const FieldSet& form);

std::string TabSeparated(const std::vector<TableRow>& rows);  // each row ends in a line feed
std::string HtmlTable(const std::vector<TableRow>& rows);

}  // namespace quorvel
