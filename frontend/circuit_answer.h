#pragma once

// The circuit's table, worked solution or parts list printed on the command
// line, with no window and no display, in the user's settings, so that a
// shell loop can make a sheet of exercises with their solutions.

#include <string>

#include "frontend/circuit_text.h"
#include "frontend/tolerance.h"
#include "number/number_text.h"

namespace quorvel {

enum class Answered { table, solution, parts };

struct CircuitAnswer {
    std::string text;   // what stdout takes: as much as could be computed
    std::string error;  // why a result could not be computed; empty where all were
};

// The circuit opened as the window opens one from its command line; the
// parts listed at the tolerance.
CircuitAnswer AnswerCircuit(const Circuit& circuit, Answered what, const NumberLocale& locale,
                            Tolerance tolerance = kStartTolerance);

}  // namespace quorvel
