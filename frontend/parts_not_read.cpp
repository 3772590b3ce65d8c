#include "frontend/parts_not_read.h"

#include "frontend/error_message.h"
#include "frontend/quoted_text.h"
#include "frontend/texts.h"

namespace quorvel {
namespace {

std::string PartName(std::size_t part) {
    const auto [entry, index] = kCircuitEntries[part];
    return entry == Field::txtIst ? "I" : "R" + std::to_string(index + 1);
}

std::string Why(const CircuitPart& part, Quantity quantity) {
    const bool resistor = quantity == Quantity::resistance;
    switch (part.fault) {
        case PartFault::too_large: return std::string(texts::kPartTooLarge);
        case PartFault::foreign_unit:
            return texts::Filled(resistor ? texts::kNoResistanceUnit : texts::kNoCurrentUnit, Quoted(part.unit));
        case PartFault::no_number:
        case PartFault::none: break;
    }
    return std::string(resistor ? texts::kNoResistance : texts::kNoCurrent);
}

}  // namespace

std::vector<std::string> PartsNotRead(const Circuit& circuit) {
    std::vector<std::string> lines;
    for (std::size_t n = 0; n < circuit.parts.size(); ++n) {
        const CircuitPart& part = circuit.parts[n];
        if (part.read) continue;
        lines.push_back(PartName(n) + " " + Quoted(part.given) + ": " + Why(part, QuantityOf(kCircuitEntries[n].field)));
    }
    return lines;
}

// The first line is the report's own, so that no text from outside stands
// where a message box would look for markup.
std::optional<RuntimeError> OpenedReport(const Circuit& circuit, const std::optional<RuntimeError>& met) {
    if (circuit.Whole()) return met;
    std::string text(texts::kPartsNotRead);
    for (const std::string& line : PartsNotRead(circuit)) text += "\n" + line;
    text += "\n" + std::string(texts::kPartsLeftAtZero);
    if (met) text += "\n" + ErrorMessage(*met);
    return OwnReport(text);
}

}  // namespace quorvel
