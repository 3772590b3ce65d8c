#pragma once

// A circuit that comes from outside the calculator, alike from the command
// line and from a link: a line of other than five parts is no circuit and
// changes nothing; a circuit replaces the inputs as the clear button and
// then a paste of each part into its entry and a move away from it would,
// a part that does not read leaving its entry at "0". What did not read,
// and what it makes too large to compute, is told in one report, at once:
// once the calculator shows.

#include <string>
#include <string_view>

#include "calc/fields.h"
#include "events/dispatcher.h"
#include "frontend/circuit_text.h"

namespace quorvel {

// The text a link's fragment stands for, without its "#": each "%" and two
// hex digits the byte they name, anything else as it stands, "%00" too,
// since no line holds a NUL. Never fails, whatever the bytes; what reads
// as a circuit is ReadCircuit's to say.
std::string FragmentText(std::string_view fragment);

// The circuit in place of the inputs, as one action of the user's.
void OpenCircuit(const Circuit& circuit, const FieldSet& form, EventDispatcher& events);

}  // namespace quorvel
