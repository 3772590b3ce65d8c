#include "frontend/parts_not_read.h"

#include "frontend/error_message.h"
#include "frontend/quoted_text.h"

namespace quorvel {
namespace {

std::string PartName(std::size_t part) {
    const auto [entry, index] = kCircuitEntries[part];
    return entry == Field::txtIst ? "I" : "R" + std::to_string(index + 1);
}

std::string Why(const CircuitPart& part, Quantity quantity) {
    const bool resistor = quantity == Quantity::resistance;
    switch (part.fault) {
        case PartFault::too_large: return "numărul este prea mare pentru a fi calculat";
        case PartFault::foreign_unit:
            return Quoted(part.unit) + (resistor ? " nu este o unitate de rezistență (R, K, M sau G, Ohm)"
                                                 : " nu este o unitate de curent (u sau m, A)");
        case PartFault::no_number:
        case PartFault::none: break;
    }
    return resistor ? "nu este o valoare de rezistență (de exemplu 4K7, 470R, 1M5)"
                    : "nu este o valoare de curent (de exemplu 5mA, 250uA, 1.5A)";
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
    std::string text = "Din circuitul dat nu s-a putut citi:";
    for (const std::string& line : PartsNotRead(circuit)) text += "\n" + line;
    text += "\nAcestea au rămas 0.";
    if (met) text += "\n" + ErrorMessage(*met);
    return OwnReport(text);
}

}  // namespace quorvel
