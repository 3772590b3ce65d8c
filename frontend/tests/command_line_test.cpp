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
        {{"--parts", "4K7,1,1,1,5mA"}, 0,
         "Lista de piese, toleranța circuitului ±5 %\nR1: 4.7 kOhm ±5 % (4.465 kOhm … 4.935 kOhm); benzi: galben "
         "violet roșu auriu; cod SMD: 472; THT: 1/4 W; cip: 1206 (1/4 W, 200 V); U1 = 23.5 V (22.325 V … 24.675 V)",
         ""},
        {{"--tolerance=1%", "--parts=4K7,1,1,1,5mA"}, 0, "Lista de piese, toleranța circuitului ±1 %\nR1: 4.7 kOhm ±1 %",
         ""},
        {{"--parts", "1,1E308,1E308,0,5mA"}, 1,
         "Lista de piese, toleranța circuitului ±5 %\nR1: 1 Ohm ±5 % (nu se poate calcula); benzi: maro negru auriu "
         "auriu; cod SMD: 1R0 sau 01Y; nu se poate alege: puterea ei nu se poate calcula; U1 = nu se poate calcula;",
         "Quorvel: Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
         "Quorvel: Micșorați o valoare sau alegeți o unitate mai mică.\n"},
        {{"--parts", "4K7,1,1,1,5mA", "--tolerance", "1m"}, 2, "",
         "Quorvel: „1m” nu este o toleranță a pieselor: dați 1, 2, 5, 10 sau 20, cu sau fără %" + kSeeHelp},
        {{"--tolerance", "5", "--table", "1,1,1,1,1"}, 2, "", "Quorvel: --tolerance se dă numai cu --parts" + kSeeHelp},
        {{"--parts", "1,1,1,1,1", "--tolerance", "5", "--tolerance=5"}, 2, "",
         "Quorvel: --tolerance este dat de două ori" + kSeeHelp},
        {{"--parts", "1,1,1,1,1", "--tolerance"}, 2, "",
         "Quorvel: după --tolerance lipsește toleranța, de exemplu --tolerance 5" + kSeeHelp},
        {{"--parts", "1,1,1,1,5ma", "--tolerance", "20"}, 3, "",
         "Quorvel: I „5ma”: „ma” nu este o unitate de curent (u sau m, A)\n"},
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
