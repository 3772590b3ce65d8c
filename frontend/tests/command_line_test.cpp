#include <gtest/gtest.h>

#include "test_support/kept_output.h"
#include "test_support/locales.h"

namespace quorvel {
namespace {

constexpr int kWindow = -1;  // no exit: the window opens
const std::string kTableHeader = "Element\tValoare\tUnitate\tTensiune\tUnitate\tPutere\tUnitate\n";
const std::string kSeeHelp = ". Vedeți quorvel --help.\n";
const std::string kNotACircuit =
    " nu este un circuit: dați cele patru rezistențe și curentul, separate prin virgule, de exemplu "
    "4K7,2K2,1M,470R,5mA" + kSeeHelp;

TEST(CommandLine, AnswersEachRequestAndRefusesAWrongOne) {
    struct Row {
        std::vector<std::string> arguments;
        int status;
        std::string out;  // what standard output begins with
        std::string err;
        bool out_fails = false;
    };
    const Row rows[] = {
        {{}, kWindow, "", ""},
        {{"4K7,2K2,1M,470R,5mA"}, kWindow, "", ""},
        {{"4k7,2k2,1m,470r,5ma"}, kWindow, "", ""},  // the window tells what did not read
        {{"-4K7,1,1,1,1"}, kWindow, "", ""},
        {{"--", "--help"}, 2, "", "Quorvel: „--help”" + kNotACircuit},
        {{"4K7,2K2"}, 2, "", "Quorvel: „4K7,2K2”" + kNotACircuit},
        {{"--help"}, 0, "Utilizare: quorvel [CIRCUIT]\n", ""},
        {{"-h"}, 0, "Utilizare: quorvel [CIRCUIT]\n", ""},
        {{"--version"}, 0, "Quorvel 1.00\n", ""},
        {{"-v"}, 0, "Quorvel 1.00\n", ""},
        {{"--table", "-4K7,2K2,1M,470R,5mA"}, 0, kTableHeader + "R1\t4.7\tkOhm\t23.5\tV\t117.5\tmW\n", ""},
        {{"--table=4K7,2K2,1M,470R,5mA"}, 0, kTableHeader, ""},
        {{"--solution", "4K7,2K2,1M,470R,5mA"}, 0, "Rezolvare\nRezistența totală: R = R1 + R2", ""},
        {{"--solution", "1E200,2E200,0,0,1E108"}, 1, "Rezolvare\n",
         "Quorvel: Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
         "Quorvel: Micșorați o valoare sau alegeți o unitate mai mică.\n"},
        {{"--table", "4k7,2k2,1m,470r,5ma"}, 3, "",
         "Quorvel: R3 „1m”: „m” nu este o unitate de rezistență (R, K, M sau G, Ohm)\n"
         "Quorvel: I „5ma”: „ma” nu este o unitate de curent (u sau m, A)\n"},
        {{"--solution", "1e999,1E306G, 4.7 kOhms ,1E,4K7"}, 3, "",
         "Quorvel: R1 „1e999”: numărul este prea mare pentru a fi calculat\n"
         "Quorvel: R2 „1E306G”: numărul este prea mare pentru a fi calculat\n"
         "Quorvel: R3 „4.7 kOhms”: „kOhms” nu este o unitate de rezistență (R, K, M sau G, Ohm)\n"
         "Quorvel: R4 „1E”: nu este o valoare de rezistență (de exemplu 4K7, 470R, 1M5)\n"
         "Quorvel: I „4K7”: nu este o valoare de curent (de exemplu 5mA, 250uA, 1.5A)\n"},
        {{"--table", "\x01\x1b[31mRED"}, 2, "", "Quorvel: „\\x01\\x1B[31mRED”" + kNotACircuit},
        {{"--table", "\xff\u202e\\\u00b5"}, 2, "", "Quorvel: „\\xFF\\u202E\\\\\u00b5”" + kNotACircuit},
        {{"--table", std::string(79, 'x') + "\u0219\u0219"}, 2, "",
         "Quorvel: „" + std::string(79, 'x') + "\u0219…” (81 de caractere)" + kNotACircuit},
        {{"--table", "1,1,1,1,1", "extra"}, 2, "", "Quorvel: argumentul „extra” este în plus" + kSeeHelp},
        {{"1,1,1,1,1", "2,2,2,2,2"}, 2, "", "Quorvel: argumentul „2,2,2,2,2” este în plus" + kSeeHelp},
        {{"--table", "1,1,1,1,1", "--solution", "1,1,1,1,1"}, 2, "",
         "Quorvel: --table și --solution nu pot fi date împreună" + kSeeHelp},
        {{"-v", "--help"}, 2, "", "Quorvel: -v și --help nu pot fi date împreună" + kSeeHelp},
        {{"--table", "1,1,1,1,1", "--table=1,1,1,1,1"}, 2, "", "Quorvel: --table este dat de două ori" + kSeeHelp},
        {{"--table"}, 2, "",
         "Quorvel: după --table lipsește circuitul, de exemplu --table 4K7,2K2,1M,470R,5mA" + kSeeHelp},
        {{"--solution=", "1,1,1,1,1"}, 2, "",
         "Quorvel: după --solution lipsește circuitul, de exemplu --solution 4K7,2K2,1M,470R,5mA" + kSeeHelp},
        {{"--table", "-x,1,1,1,1"}, 3, "",
         "Quorvel: R1 „-x”: nu este o valoare de rezistență (de exemplu 4K7, 470R, 1M5)\n"},
        {{"--version=2"}, 2, "", "Quorvel: --version nu primește o valoare" + kSeeHelp},
        {{"--colour=red"}, 2, "", "Quorvel: opțiunea „--colour” nu există" + kSeeHelp},
        {{"--table", "1,1,1,1,1"}, 1, "", "Quorvel: răspunsul nu a putut fi scris: Bad file descriptor\n", true},
    };
    for (const Row& row : rows) {
        testing::KeptOutput out(row.out_fails), err;
        const ProgramStart start = RunCommandLine(row.arguments, {"1.00", [] { return testing::kDotLocale; }, out, err});
        const std::string arguments = ::testing::PrintToString(row.arguments);
        EXPECT_EQ(start.exit.value_or(kWindow), row.status) << arguments;
        EXPECT_EQ(out.kept.substr(0, row.out.size()), row.out) << arguments;
        EXPECT_EQ(out.kept.empty(), row.out.empty()) << arguments;
        EXPECT_EQ(err.kept, row.err) << arguments;
        EXPECT_EQ(start.circuit.has_value(), row.status == kWindow && !row.arguments.empty()) << arguments;
    }
}

}  // namespace
}  // namespace quorvel
