#pragma once

// The codes printed on chip resistors. Three characters for a value of one
// or two significant figures, the figures and the power of ten ("472": 47 ×
// 10²); four for three ("4751"). Below 10 Ohm (four: 100 Ohm) R stands for
// the point ("4R7", "47R5"), below 1 Ohm with no zero before it ("R22",
// "R475"); a value of two figures that three characters cannot hold takes
// four ("R047"). EIA-96, for an E96 value from 0,1 Ohm to 97,6 MOhm: its
// index in the E96 table and a multiplier letter ("66B": 475 × 10). An E96
// value is told by both codes, since chips carry either, by their size. A
// value of more figures gets the codes of its nearest E96 value, marked
// approximate. 0 Ohm is "0".
//
// Read back: the figure codes, with R for the point anywhere in them, and
// EIA-96, where R, S and H are read as Y, X and B too. Nothing else is
// read, nor guessed at.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/standard_values.h"
#include "number/number_text.h"

namespace quorvel {

struct Eia96Letter {
    char letter;
    int exponent;  // ×10^exponent
    bool written;  // false: only read, for the letter written
};

inline constexpr std::array kEia96Letters{
    Eia96Letter{'Z', -3, true}, Eia96Letter{'Y', -2, true}, Eia96Letter{'R', -2, false},
    Eia96Letter{'X', -1, true}, Eia96Letter{'S', -1, false}, Eia96Letter{'A', 0, true},
    Eia96Letter{'B', 1, true},  Eia96Letter{'H', 1, false},  Eia96Letter{'C', 2, true},
    Eia96Letter{'D', 3, true},  Eia96Letter{'E', 4, true},   Eia96Letter{'F', 5, true},
};

struct SmdCode {
    std::string figures;  // "472", "4751", "4R7"; empty where none
    std::string eia96;    // "66B"; empty where the value is none of its
    bool approximate = false;
    Magnitude value;      // what the codes stand for
};

SmdCode SmdCodeOf(Magnitude value);

// "472", "4751 sau 66B", "≈ 1241 sau 10B (E96: 1,24 kOhm)", or, plainly,
// that the value has no code.
std::string SmdCodeText(const SmdCode& code, const NumberLocale& locale);

struct SmdRead {
    std::optional<Magnitude> value;
    std::string_view refusal;  // why a code was not read; empty where it was, or where nothing is typed
};

// Blanks around it and the case of its letters aside.
SmdRead ReadSmdCode(std::string_view code);

// The value as it forms, "4,7 kOhm", or why the code does not read.
std::string SmdReadText(const SmdRead& read, const NumberLocale& locale);

}  // namespace quorvel
