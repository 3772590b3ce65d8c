#pragma once

// The circuit's table or worked solution printed on the command line, with
// no window and no display, in the user's settings, so that a shell loop
// can make a sheet of exercises with their solutions.

#include <string>

#include "frontend/circuit_text.h"
#include "number/number_text.h"

namespace quorvel {

enum class Answered { table, solution };

struct CircuitAnswer {
    std::string text;   // what stdout takes: as much as could be computed
    std::string error;  // why a result could not be computed; empty where all were
};

// The circuit opened as the window opens one from its command line.
CircuitAnswer AnswerCircuit(const Circuit& circuit, Answered what, const NumberLocale& locale);

}  // namespace quorvel
