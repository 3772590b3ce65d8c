#include "frontend/circuit_table.h"

#include <array>
#include <optional>
#include <string_view>

#include "calc/entry_value.h"
#include "frontend/html_escape.h"

namespace quorvel {
namespace {

struct RowOfTable {
    std::string_view name;  // "R" is followed by the resistor's number
    std::array<std::optional<Field>, 3> columns;  // value, voltage, power
};

constexpr std::array<std::string_view, 7> kHeader{"Element", "Valoare", "Unitate", "Tensiune", "Unitate", "Putere", "Unitate"};
constexpr std::array kRows{
    RowOfTable{"R", {Field::txtRs, Field::txtUs, Field::txtPs}},
    RowOfTable{"Curent", {Field::txtIst}},
    RowOfTable{"Total", {Field::txtRst, Field::txtUst, Field::txtPst}},
};

// An entry's number as the recalculation counts it, in its chooser's unit
// and as the locale writes it; a result's as the window holds it, uncut.
// Each with its unit.
void AddNumberAndUnit(TableRow& row, const FieldSet& form, Field field, int index) {
    if (KindOf(field) == FieldKind::entry) {
        row.push_back(NumberToText(CountedValue(form, field, index), form.Locale()));
        row.push_back(form.Text(ChooserOf(field), index));
        return;
    }
    row.push_back(form.Text(field, index));
    row.push_back(form.Text(UnitOf(field), index));
}

}  // namespace

std::vector<TableRow> CircuitTable(const FieldSet& form) {
    std::vector<TableRow> table{TableRow(kHeader.begin(), kHeader.end())};
    for (const RowOfTable& kind : kRows) {
        const Field first = *kind.columns[0];
        for (int index = 0; index < CountOf(first); ++index) {
            TableRow row{std::string(kind.name) + (CountOf(first) > 1 ? std::to_string(index + 1) : "")};
            for (const std::optional<Field>& column : kind.columns) {
                if (column) AddNumberAndUnit(row, form, *column, index);
            }
            table.push_back(std::move(row));
        }
    }
    return table;
}

std::string TabSeparated(const std::vector<TableRow>& rows) {
    std::string text;
    for (const TableRow& row : rows) {
        for (std::size_t cell = 0; cell < row.size(); ++cell) text += (cell ? "\t" : "") + row[cell];
        text += '\n';
    }
    return text;
}

// Numbers to the right, as a report sets them; the header row as headers.
std::string HtmlTable(const std::vector<TableRow>& rows) {
    // The page's width, so that no header breaks.
    std::string html = "<meta charset=\"utf-8\"><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        html += "<tr>";
        for (std::size_t cell = 0; cell < rows[r].size(); ++cell) {
            const bool number = r > 0 && cell % 2 == 1;
            html += r == 0 ? "<th>" : number ? "<td align=\"right\">" : "<td>";
            html += HtmlEscaped(rows[r][cell]) + (r == 0 ? "</th>" : "</td>");
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace quorvel
