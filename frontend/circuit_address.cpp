#include "frontend/circuit_address.h"

#include "frontend/circuit_from_outside.h"

namespace quorvel {

std::string_view FragmentOf(std::string_view address) {
    const auto hash = address.find('#');
    return hash == std::string_view::npos ? std::string_view() : address.substr(hash + 1);
}

// A fragment that is no circuit gives way to the line of the defaults.
std::optional<Circuit> CircuitAddress::Open(std::string_view fragment, const FieldSet& fields) {
    written_.clear();
    if (!fragment.empty()) return Edited(fragment);
    written_ = CircuitLine(fields);
    return std::nullopt;
}

std::optional<Circuit> CircuitAddress::Edited(std::string_view fragment) const {
    if (fragment.empty()) return std::nullopt;
    const std::string line = FragmentText(fragment);
    if (line == written_) return std::nullopt;
    return ReadCircuit(line);
}

std::optional<std::string> CircuitAddress::Written(const FieldSet& fields, bool edited) {
    std::string line = CircuitLine(fields);
    if (line == written_ && !edited) return std::nullopt;
    written_ = line;
    return line;
}

}  // namespace quorvel
