#pragma once

// The calculator's own texts, in Romanian: one catalogue that every front
// end reads, for the texts it shows beside its controls. What each command
// is called, what a screen reader hears of its button and what it tells once
// done; the error report's title and words; the report of a circuit's parts
// that did not read; the lines of the page around the calculator; and the
// words that spoken texts are made of.
//
// Elsewhere, each beside the rules that place it: the controls' captions and
// what a screen reader says of each (window_layout.h), the unit words
// (number/unit_marks.h), the table's header (circuit_table.cpp), the worked
// solution's steps (worked_solution.cpp), the parts list's words
// (parts_list.cpp, colour_code.cpp, part_rating.cpp) and the command line's
// help and messages (command_line.cpp).

#include <span>
#include <string>
#include <string_view>

namespace quorvel::texts {

// The commands (window_commands.h): each one's name, on a button and in the
// menus, what a screen reader hears of its button, and what the window
// tells once it is done.
inline constexpr std::string_view kCopyCircuit = "Copiază circuitul";
inline constexpr std::string_view kCopyCircuitSaid =
    "Rezistențele, curentul și rezultatele, ca tabel, pentru un tabelar sau un document";
inline constexpr std::string_view kCircuitCopied = "Circuitul a fost copiat ca tabel.";
inline constexpr std::string_view kCopySolution = "Copiază rezolvarea";
inline constexpr std::string_view kCopySolutionSaid = "Fiecare rezultat cu formula și valorile lui, pentru o lucrare";
inline constexpr std::string_view kSolutionCopied = "Rezolvarea a fost copiată.";
inline constexpr std::string_view kCopyLink = "Copiază legătura";
inline constexpr std::string_view kCopyLinkSaid = "Adresa paginii cu circuitul în ea, care îl deschide la fel";
inline constexpr std::string_view kLinkCopied = "Legătura a fost copiată.";
inline constexpr std::string_view kCopyParts = "Copiază lista de piese";
inline constexpr std::string_view kCopyPartsSaid =
    "Fiecare rezistență ca piesă: benzile, codul SMD, puterea nominală și intervalul la toleranța aleasă";
inline constexpr std::string_view kPartsCopied = "Lista de piese a fost copiată.";
// What the window tells when the platform would not let it copy.
inline constexpr std::string_view kNotCopied = "Browserul nu a lăsat pagina să copieze.";

// The error report (error_message.h): its title, above a warning sign and
// one button, and its words for each run-time error; "%1" is the error's number.
inline constexpr std::string_view kErrorTitle = "Quorvel";
inline constexpr std::string_view kReportButton = "OK";
inline constexpr std::string_view kOverflow =
    "Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
    "Micșorați o valoare sau alegeți o unitate mai mică.";
inline constexpr std::string_view kTypeMismatch = "O valoare nu a putut fi citită ca număr (eroarea 13).";
inline constexpr std::string_view kUnexpectedError = "Eroare neașteptată (eroarea %1).";

// The report of a circuit from outside (parts_not_read.h): its first and
// last lines around one line a part, and why each part did not read; "%1"
// is the part's unit, quoted.
inline constexpr std::string_view kPartsNotRead = "Din circuitul dat nu s-a putut citi:";
inline constexpr std::string_view kPartsLeftAtZero = "Acestea au rămas 0.";
inline constexpr std::string_view kPartTooLarge = "numărul este prea mare pentru a fi calculat";
inline constexpr std::string_view kNoResistanceUnit = "%1 nu este o unitate de rezistență (R, K, M sau G, Ohm)";
inline constexpr std::string_view kNoCurrentUnit = "%1 nu este o unitate de curent (u sau m, A)";
inline constexpr std::string_view kNoResistance = "nu este o valoare de rezistență (de exemplu 4K7, 470R, 1M5)";
inline constexpr std::string_view kNoCurrent = "nu este o valoare de curent (de exemplu 5mA, 250uA, 1.5A)";

// The worked solution's heading, over its steps wherever it is shown.
inline constexpr std::string_view kSolution = "Rezolvare";

// The page around the calculator: its heading, for a screen reader, and
// the line that says the calculator has ended, with its button.
inline constexpr std::string_view kPageHeading = "Quorvel: circuit serie cu patru rezistențe";
inline constexpr std::string_view kEnded = "Quorvel s-a închis.";
inline constexpr std::string_view kStartAgain = "Pornește din nou";

// The parts behind the circuit (parts_list.h): the page's section and its
// pieces, the menus' items, and the dialog that reads a part by its bands
// or its code (part_picker.h); "%1" is a resistor's number, or a band's.
inline constexpr std::string_view kParts = "Piese";
inline constexpr std::string_view kTolerance = "Toleranță";
inline constexpr std::string_view kFromColours = "Din culori…";
inline constexpr std::string_view kPickerTitle = "R%1 din culori sau din cod";
inline constexpr std::string_view kBandCount = "Benzi";
inline constexpr std::string_view kBand = "Banda %1";
inline constexpr std::string_view kNoColour = "—";
inline constexpr std::string_view kSmdCode = "Cod SMD";
inline constexpr std::string_view kPickedValue = "Valoarea";
inline constexpr std::string_view kPutInto = "Pune în R%1";
inline constexpr std::string_view kCancel = "Renunță";
inline constexpr std::string_view kTotal = "Total";
inline constexpr std::string_view kDrop = "Tensiune";
inline constexpr std::string_view kPower = "Putere";
inline constexpr std::string_view kBands = "Benzi";
inline constexpr std::string_view kThroughHole = "THT";
inline constexpr std::string_view kChip = "Cip";

// A pattern with "%1" and "%2" replaced by what is given, in one pass, so
// that what stands for "%1" is never read for "%2".
std::string Filled(std::string_view pattern, std::string_view first, std::string_view second = {});

// Words in a row, the last after "sau": "Ohm, kOhm sau MOhm"; with "și" for and.
std::string Listed(std::span<const std::string_view> words, std::string_view last_joint = "sau");

// A count of characters, as Romanian says it: "1 caracter", "6 caractere",
// "20 de caractere" (from 20 on, unless the last two digits are 01 to 19).
std::string Characters(long long count);

}  // namespace quorvel::texts
