#include "frontend/circuit_text.h"

#include "calc/entry_value.h"
#include "number/entry_text.h"
#include "number/part_marking.h"

namespace quorvel {
namespace {

constexpr char kPartSeparator = ',';

const NumberLocale& LineLocale() {
    static const NumberLocale locale{".", "", ""};
    return locale;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view LetterOf(Quantity quantity, int steps) {
    const auto find = [steps](const auto& letters) -> std::string_view {
        for (const Multiplier& multiplier : letters) {
            if (multiplier.steps == steps) return multiplier.letter;
        }
        return {};
    };
    return quantity == Quantity::resistance ? find(kResistanceLetters) : find(kCurrentLetters);
}

// A number with "." for its point, in the unit the steps give: a
// resistor's letter where its point stands ("4K7", "470R"), a current's
// letter and word after it ("1.5mA").
std::string PartOf(Quantity quantity, std::string number, int steps) {
    const std::string_view letter = LetterOf(quantity, steps);
    if (quantity == Quantity::current) return number + std::string(letter) + std::string(kCurrentWords[0]);
    const auto point = number.find('.');
    if (point == std::string::npos || number.find_first_of("Ee") != std::string::npos) return number + std::string(letter);
    return number.replace(point, 1, letter);
}

// A part as the line writer would write it: a marked value as it stands,
// which every locale reads alike; a bare number in the base unit.
std::optional<std::string> PartRead(std::string_view part, Quantity quantity) {
    const MarkingReading marking = ReadMarking(part, quantity);
    if (marking.reading == detail::StrictReading::number && marking.marked) {
        if (marking.value < 0) return std::nullopt;
        return std::string(part);
    }
    const EntryText bare = ReadEntry(part, LineLocale(), quantity);
    if (bare.reading != EntryReading::number || bare.negative || bare.steps) return std::nullopt;
    return PartOf(quantity, NumberToText(bare.value, LineLocale()), 0);
}

}  // namespace

Circuit ReadCircuit(std::string_view line) {
    Circuit circuit;
    std::size_t count = 0;
    bool every_part_read = true;
    for (std::size_t start = 0; start <= line.size(); ++count) {
        const auto end = std::min(line.find(kPartSeparator, start), line.size());
        if (count < kCircuitEntries.size()) {
            const FieldElement entry = kCircuitEntries[count];
            circuit.parts[count] = PartRead(Trimmed(line.substr(start, end - start)), QuantityOf(entry.field));
            every_part_read = every_part_read && circuit.parts[count];
        }
        start = end + 1;
    }
    circuit.whole = every_part_read && count == kCircuitEntries.size();
    return circuit;
}

std::string CircuitLine(const FieldSet& form) {
    std::string line;
    for (const auto [entry, index] : kCircuitEntries) {
        const std::string text = form.Text(entry, index);
        const EntryText read = ReadEntry(text, form.Locale(), QuantityOf(entry));
        const Field chooser = ChooserOf(entry);
        std::string number;
        int steps = StepsOf(chooser, form.Text(chooser, index));
        if (read.plain) {
            number = text;
            const auto mark = number.find_first_of(".,");
            if (mark != std::string::npos) number[mark] = '.';
        } else {
            try {
                number = NumberToText(LeftValue(form, entry, index, read), LineLocale());
            } catch (const RuntimeError&) {  // a letter's value beyond its chooser's unit: kept with its letter
                number = NumberToText(read.value, LineLocale());
                steps = read.steps.value_or(steps);
            }
        }
        if (!line.empty()) line += kPartSeparator;
        line += PartOf(QuantityOf(entry), number, steps);
    }
    return line;
}

void EnterCircuit(const Circuit& circuit, EventDispatcher& events) {
    for (std::size_t part = 0; part < kCircuitEntries.size(); ++part) {
        if (!circuit.parts[part]) continue;
        events.Entered(kCircuitEntries[part].field, kCircuitEntries[part].index, *circuit.parts[part]);
    }
}

}  // namespace quorvel
