#pragma once

// What a circuit from outside could not read, in the window's language: the
// command line's standard error says it, the window and the page report it.

#include <optional>
#include <string>
#include <vector>

#include "frontend/circuit_text.h"
#include "number/runtime_error.h"

namespace quorvel {

// One line for each part that did not read whole, in the line's order: the
// part's name (R1 … R4, I), its text as given, quoted, and why:
// "R3 „1m”: „m” nu este o unitate de rezistență (R, K, M sau G, Ohm)".
std::vector<std::string> PartsNotRead(const Circuit& circuit);

// The one report of a circuit opened from outside, once it is in: the parts
// that did not read and stay at "0", then what its results met; none where
// there is nothing to tell.
std::optional<RuntimeError> OpenedReport(const Circuit& circuit, const std::optional<RuntimeError>& met);

}  // namespace quorvel
