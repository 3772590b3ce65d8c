#include <gtest/gtest.h>

#include <sstream>

#include "frontend/circuit_table.h"
#include "frontend/circuit_text.h"
#include "test_support/headless_calculator.h"

namespace quorvel {
namespace {

using testing::HeadlessCalculator;

constexpr std::string_view kExample = "4K7,2K2,1M,470R,5mA";

TEST(CircuitLine, ReadsEachPartThatIsANumberOfItsQuantity) {
    struct Row {
        std::string_view line;
        std::array<std::string_view, 5> parts;  // "" for none
        bool whole;
    };
    const Row rows[] = {
        {kExample, {"4K7", "2K2", "1M", "470R", "5mA"}, true},
        {" 1G , R47,4k7Ohm,2.2 k\u03A9, 100\u00B5A ", {"1G", "0R47", "4K7", "2K2", "100uA"}, true},
        {"470,1.5,0,1E3,2", {"470R", "1R5", "0R", "1000R", "2A"}, true},  // bare: Ohm and A
        {"1.000,1e-20R,0.5M,.5K,1e-3mA", {"1R", "1E-20R", "0M5", "0K5", "0.001mA"}, true},
        {"4K7,2K2", {"4K7", "2K2", "", "", ""}, false},
        {"4K7,2K2,1M,470R,5mA,9", {"4K7", "2K2", "1M", "470R", "5mA"}, false},
        {"4K7,2K2,1M,470R,5K", {"4K7", "2K2", "1M", "470R", ""}, false},  // K is no current's letter
        {"-4K7,abc,,<b>1</b>,1E400A", {"", "", "", "", ""}, false},
        {"4K7;2K2;1M;470R;5mA", {"", "", "", "", ""}, false},
        {"1 000,$5,4.,4K7K,5mAA", {"", "", "4R", "", ""}, false},
        {"", {"", "", "", "", ""}, false},
    };
    for (const Row& row : rows) {
        const Circuit circuit = ReadCircuit(row.line);
        for (std::size_t part = 0; part < row.parts.size(); ++part) {
            EXPECT_EQ(circuit.parts[part].value_or(""), row.parts[part]) << row.line << " part " << part;
        }
        EXPECT_EQ(circuit.whole, row.whole) << row.line;
    }
}

// Entered and written again: the same line, the entries showing plain numbers.
TEST(CircuitLine, EnteredAsPastedAndLeftThenWrittenAgain) {
    struct Row {
        NumberLocale locale;
        std::string_view line;
        std::vector<std::string> inputs;  // the entries, then the choosers
        std::string_view written;
    };
    const Row rows[] = {
        {testing::kDotLocale, kExample,
         {"4.7", "2.2", "1", "470", "kOhm", "kOhm", "MOhm", "Ohm", "5", "mA"}, kExample},
        {testing::kRomanian, kExample,
         {"4,7", "2,2", "1", "470", "kOhm", "kOhm", "MOhm", "Ohm", "5", "mA"}, kExample},
        // "." is a part's point in every locale, never a group mark.
        {testing::kRomanian, "4K70,1.5G,1.234R,1e-20R,250u",
         {"4,7", "1500", "1,234", "1E-20", "kOhm", "MOhm", "Ohm", "Ohm", "250", "uA"}, "4K7,1500M,1R234,1E-20R,250uA"},
        // Beyond what the chooser's unit holds: too large, the entry loses it.
        {testing::kDotLocale, "1E308G,0,0,0,0", testing::kDefaultInputs, "0R,0R,0R,0R,0A"},
    };
    for (const Row& row : rows) {
        HeadlessCalculator calculator(row.locale);
        calculator.events.Load();
        EnterCircuit(ReadCircuit(row.line), calculator.fields, calculator.events);
        EXPECT_EQ(calculator.fields.CurrentInputs(), row.inputs) << row.line;
        EXPECT_EQ(CircuitLine(calculator.fields), row.written) << row.line;
    }
}

// The plain text read back as a spreadsheet in the locale reads it; the
// HTML holds the same cells.
TEST(CircuitTable, TheTypedExampleReadsBackAsNumbersAndUnits) {
    struct Cell {
        std::size_t row, column;
        double number;
        std::string_view unit;
    };
    const Cell cells[] = {
        {1, 1, 100, "Ohm"},  {1, 3, 500, "mV"}, {1, 5, 2.5, "mW"},
        {2, 1, 2.2, "kOhm"}, {2, 3, 11, "V"},   {2, 5, 55, "mW"},
        {3, 1, 1, "MOhm"},   {3, 3, 5, "kV"},   {3, 5, 25, "W"},
        {4, 1, 470, "Ohm"},  {4, 3, 2.35, "V"}, {4, 5, 11.75, "mW"},
        {5, 1, 5, "mA"},
        {6, 1, 1.003, "MOhm"}, {6, 3, 5.01385, "kV"}, {6, 5, 25.069, "W"},  // as the window holds them
    };
    for (const NumberLocale& locale : {testing::kDotLocale, testing::kRomanian}) {
        HeadlessCalculator calculator(locale);
        calculator.events.Load();
        testing::SetInputTexts(calculator.fields, testing::kTypedExample);
        const auto table = CircuitTable(calculator.fields);
        std::vector<std::vector<std::string>> rows;
        std::istringstream lines(TabSeparated(table));
        for (std::string line, cell; std::getline(lines, line);) {
            std::istringstream in(line);
            for (rows.emplace_back(); std::getline(in, cell, '\t');) rows.back().push_back(cell);
        }
        ASSERT_EQ(rows, table);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"Element", "Valoare", "Unitate", "Tensiune", "Unitate", "Putere", "Unitate"}));
        EXPECT_EQ(rows[1][0] + rows[6][0] + std::to_string(rows[5].size()), "R1Total3");
        for (const Cell& cell : cells) {
            EXPECT_NEAR(ParseStrict(rows[cell.row][cell.column], locale), cell.number, cell.number * 1e-12)
                << cell.row << "," << cell.column << " " << locale.decimal_separator;
            EXPECT_EQ(rows[cell.row][cell.column + 1], cell.unit);
        }
        EXPECT_NE(HtmlTable(table).find("<tr><td>R1</td><td align=\"right\">100</td><td>Ohm</td><td align=\"right\">500</td>"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace quorvel
