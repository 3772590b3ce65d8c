#include <algorithm>

#include <gtest/gtest.h>

#include <sstream>

#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_table.h"
#include "frontend/circuit_text.h"
#include "frontend/error_message.h"
#include "frontend/worked_solution.h"
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
        bool circuit = true;  // five parts
    };
    const Row rows[] = {
        {kExample, {"4K7", "2K2", "1M", "470R", "5mA"}, true},
        {" 1G , R47,4k7Ohm,2.2 k\u03A9, 100\u00B5A ", {"1G", "0R47", "4K7", "2K2", "100uA"}, true},
        {"470,1.5,0,1E3,2", {"470R", "1R5", "0R", "1000R", "2A"}, true},  // bare: Ohm and A
        {"1.000,1e-20R,0.5M,.5K,1e-3mA", {"1R", "1E-20R", "0M5", "0K5", "0.001mA"}, true},
        {"4K7,2K2", {"", "", "", "", ""}, false, false},
        {"4K7,2K2,1M,470R,5mA,9", {"", "", "", "", ""}, false, false},  // six parts
        {"4K7,2K2,1M,470R,5K", {"4K7", "2K2", "1M", "470R", ""}, false},  // K is no current's letter
        {"-0,-1.5,-4K7,-1E3K,-2m", {"0R", "1R5", "4K7", "1000K", "2mA"}, true},  // as a paste gives them
        {"-4K7,abc,,<b>1</b>,1E400A", {"4K7", "", "", "", ""}, false},
        {"4K7;2K2;1M;470R;5mA", {"", "", "", "", ""}, false, false},
        {"1 000,$5,4.,4K7K,5mAA", {"", "", "4R", "", ""}, false},
        {"", {"", "", "", "", ""}, false, false},  // no parts
    };
    for (const Row& row : rows) {
        const std::optional<Circuit> circuit = ReadCircuit(row.line);
        ASSERT_EQ(circuit.has_value(), row.circuit) << row.line;
        if (!circuit) continue;
        for (std::size_t part = 0; part < row.parts.size(); ++part) {
            EXPECT_EQ(circuit->parts[part].read.value_or(""), row.parts[part]) << row.line << " part " << part;
        }
        EXPECT_EQ(circuit->Whole(), row.whole) << row.line;
    }
}

// A link's fragment: its escapes read, what is no escape as it stands; no
// NUL reaches a field.
TEST(CircuitLine, AFragmentReadsItsEscapesAndLeavesTheRest) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"%", "%"}, {"%4", "%4"}, {"%%41", "%A"}, {"%00", "%00"}, {"4K7%2c2K2", "4K7,2K2"},
    };
    for (const auto& [fragment, text] : rows) EXPECT_EQ(FragmentText(fragment), text) << fragment;
}

// Opened from outside, written again: the same line, the entries showing
// plain numbers; what did not read stays "0", and one report says so, with
// what the rest made too large to compute.
TEST(CircuitLine, OpenedAsPastedAndLeftThenWrittenAgain) {
    const std::string not_read = "Din circuitul dat nu s-a putut citi:\n";
    struct Row {
        NumberLocale locale;
        std::string_view line;
        std::vector<std::string> inputs;  // the entries, then the choosers
        std::string_view written;
        std::vector<std::pair<int, std::string>> told = {};  // the reports
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
        {testing::kDotLocale, "1E308G,0,0,0,0", testing::kDefaultInputs, "0R,0R,0R,0R,0A",
         {{kOwnReport, not_read + "R1 „1E308G”: numărul este prea mare pentru a fi calculat\nAcestea au rămas 0."}}},
        {testing::kDotLocale, "x,1E300,1E300,1E300,1E300",
         {"0", "1E+300", "1E+300", "1E+300", "Ohm", "Ohm", "Ohm", "Ohm", "1E+300", "A"}, "0R,1E+300R,1E+300R,1E+300R,1E+300A",
         {{kOwnReport, not_read + "R1 „x”: nu este o valoare de rezistență (de exemplu 4K7, 470R, 1M5)\n"
                                  "Acestea au rămas 0.\n" + ErrorMessage(OverflowError())}}},
    };
    for (const Row& row : rows) {
        HeadlessCalculator calculator(row.locale);
        calculator.events.Load();
        OpenCircuit(*ReadCircuit(row.line), calculator.fields, calculator.events);
        EXPECT_EQ(calculator.fields.CurrentInputs(), row.inputs) << row.line;
        EXPECT_EQ(CircuitLine(calculator.fields), row.written) << row.line;
        EXPECT_EQ(calculator.platform.reports, row.told) << row.line;
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

// Step by step as the recalculation computes, in a comma and a point
// locale alike; where a result is too large to compute, it stops there.
TEST(WorkedSolution, FollowsTheRecalculationAndChecksItsSums) {
    const std::string example =
        "Rezolvare\n"
        "Rezistența totală: R = R1 + R2 + R3 + R4 = 4700 Ohm + 2200 Ohm + 1000000 Ohm + 470 Ohm = 1007370 Ohm ≈ 1,007 MOhm\n"
        "Tensiunea totală: U = R · I = 1007370 Ohm · 0,005 A = 5036,85 V = 5,03685 kV\n"
        "Căderea de tensiune pe R1: U1 = R1 · I = 4700 Ohm · 0,005 A = 23,5 V\n"
        "Căderea de tensiune pe R2: U2 = R2 · I = 2200 Ohm · 0,005 A = 11 V\n"
        "Căderea de tensiune pe R3: U3 = R3 · I = 1000000 Ohm · 0,005 A = 5000 V = 5 kV\n"
        "Căderea de tensiune pe R4: U4 = R4 · I = 470 Ohm · 0,005 A = 2,35 V\n"
        "Puterea în R1: P1 = R1 · I² = 4700 Ohm · (0,005 A)² = 0,1175 W = 117,5 mW\n"
        "Puterea în R2: P2 = R2 · I² = 2200 Ohm · (0,005 A)² = 0,055 W = 55 mW\n"
        "Puterea în R3: P3 = R3 · I² = 1000000 Ohm · (0,005 A)² = 25 W\n"
        "Puterea în R4: P4 = R4 · I² = 470 Ohm · (0,005 A)² = 0,01175 W = 11,75 mW\n"
        "Puterea totală: P = R · I² = 1007370 Ohm · (0,005 A)² = 25,18425 W ≈ 25,184 W\n"
        "Verificarea tensiunilor: U1 + U2 + U3 + U4 = 23,5 V + 11 V + 5000 V + 2,35 V = 5036,85 V = U\n"
        "Verificarea puterilor: P1 + P2 + P3 + P4 = 0,1175 W + 0,055 W + 25 W + 0,01175 W = 25,18425 W = P\n";
    std::string pointed = example;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    struct Row {
        const NumberLocale& locale;
        std::string_view line;
        std::string text;
        bool complete;
    };
    const Row rows[] = {
        {testing::kRomanian, kExample, example, true},
        {testing::kDotLocale, kExample, pointed, true},
        {testing::kRomanian, "1E200,2E200,0,0,1E108",
         "Rezolvare\nRezistența totală: R = R1 + R2 + R3 + R4 = 1E+200 Ohm + 2E+200 Ohm + 0 Ohm + 0 Ohm = 3E+200 Ohm = "
         "3E+194 MOhm\nTensiunea totală: Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire). "
         "Micșorați o valoare sau alegeți o unitate mai mică.\n",
         false},
    };
    for (const Row& row : rows) {
        HeadlessCalculator calculator(row.locale);
        calculator.events.Load();
        EnterCircuit(*ReadCircuit(row.line), calculator.fields, calculator.events);
        const WorkedSolution solution = SolveCircuit(calculator.fields);
        EXPECT_EQ(SolutionText(solution), row.text) << row.line;
        EXPECT_EQ(solution.complete, row.complete) << row.line;
    }
    HeadlessCalculator calculator;
    calculator.events.Load();
    EnterCircuit(*ReadCircuit(kExample), calculator.fields, calculator.events);
    EXPECT_NE(SolutionHtml(SolveCircuit(calculator.fields)).find("<li><b>Puterea în R1</b>: P<sub>1</sub> = R<sub>1</sub> · "
                                                                  "I<sup>2</sup> = 4700&nbsp;Ohm · (0.005&nbsp;A)<sup>2</sup>"),
              std::string::npos);
}

// Each mark as a teacher reads it: "=" for the same digits in another unit,
// "≈" beside what a box rounds, its 0 told; a check apart from its total
// says why. All in Romanian settings, as each line ends.
TEST(WorkedSolution, EachMarkTellsTheTruth) {
    const std::pair<std::string_view, std::string> rows[] = {
        {"713.3M,85.24M,91,593.9743,876.050mA", "Tensiunea totală: … = 699561567,071736 V = 699,561567071736 MV"},
        {"1e-3,1,1,1,1uA", "Puterea în R2: … = 1E-12 W ≈ 0 W (sub 0,0005 uW, caseta arată 0)"},
        {"989.806015,344.1,410.5,20.13,2.3064",
         "Verificarea puterilor: … = 9386,41573502678 W ≈ P (P = 9386,41573502677 W: sumele exacte sunt egale; "
         "diferența vine din scrierea fiecărui termen cu 15 cifre semnificative)"},
        {"5.120R,43.4057R,6440362M,0.6848K,322.7mA",
         "Verificarea tensiunilor: … = 2078304817636,64 V ≈ U (U = 2078304817636,65 V: sumele exacte diferă în "
         "ultimele cifre, căci rezistența totală este suma rotunjită la 15 cifre semnificative)"},
        {"2,3,2,2,0.734419792376095",
         "Verificarea tensiunilor: … = 6,60977813138485 V ≈ U (U = 6,60977813138486 V: sumele exacte sunt egale; "
         "suma calculată în binar diferă în ultimele cifre)"},
        // Where a result is too large, the steps stop at it, even within a group.
        {"1,0,0,1E200,1E60", "Puterea în R4: … prea mare pentru a fi calculat (eroarea 6: depășire). Micșorați o "
                             "valoare sau alegeți o unitate mai mică."},
    };
    for (const auto& [line, expected] : rows) {
        HeadlessCalculator calculator(testing::kRomanian);
        calculator.events.Load();
        EnterCircuit(*ReadCircuit(line), calculator.fields, calculator.events);
        const std::string text = SolutionText(SolveCircuit(calculator.fields));
        const std::string_view name = std::string_view(expected).substr(0, expected.find(": …"));
        const auto start = text.find("\n" + std::string(name) + ": ");
        ASSERT_NE(start, std::string::npos) << line;
        const std::string step = text.substr(start + 1, text.find('\n', start + 1) - start - 1);
        const std::string end = expected.substr(expected.find("…") + std::string_view("…").size());
        EXPECT_TRUE(step.ends_with(end)) << line << "\n" << step;
    }
}

}  // namespace
}  // namespace quorvel
