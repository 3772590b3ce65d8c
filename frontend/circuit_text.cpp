#include "frontend/circuit_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "calc/entry_value.h"
#include "frontend/entry_paste.h"
#include "frontend/trimmed_text.h"
#include "number/entry_text.h"

namespace quorvel {
namespace {

constexpr char kPartSeparator = ',';

const NumberLocale& LineLocale() {
    static const NumberLocale locale{".", "", ""};
    return locale;
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

// The letters at the end of a part, where a number stands before them and
// they are no unit of its quantity, as "m" in a resistor's "1m" or "ma" in
// a current's "5ma"; empty where the fault lies elsewhere, as in "1E", an
// exponent on its way.
std::string_view ForeignUnit(std::string_view part, Quantity quantity) {
    const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80); };
    std::size_t start = part.size();
    while (start > 0 && letter(part[start - 1])) --start;
    const std::string_view unit = part.substr(start);
    const bool number_before = ReadPart(Trimmed(part.substr(0, start)), quantity).reading == EntryReading::number;
    if (unit.empty() || unit == "E" || unit == "e" || !number_before) return {};
    if (ReadPart("1" + std::string(unit), quantity).reading == EntryReading::number) return {};
    return unit;
}

// Too large for its entry, in the unit its letter picks in the chooser ("1E306G").
bool TooLargeForItsUnit(const EntryText& read, Field entry) {
    try {
        InLettersItem(entry, read);
        return false;
    } catch (const OverflowError&) {
        return true;
    }
}

// A part as the line writer would write it, or why it does not read whole.
CircuitPart PartRead(std::string_view given, Field entry) {
    const Quantity quantity = QuantityOf(entry);
    CircuitPart part;
    part.given = given;
    const EntryText read = ReadPart(given, quantity);
    if (read.reading == EntryReading::too_large ||
        (read.reading == EntryReading::number && TooLargeForItsUnit(read, entry))) {
        part.fault = PartFault::too_large;
    } else if (read.reading != EntryReading::number) {
        part.unit = ForeignUnit(given, quantity);
        part.fault = part.unit.empty() ? PartFault::no_number : PartFault::foreign_unit;
    } else {
        part.read = PartOf(quantity, NumberToText(std::abs(read.value), LineLocale()), read.steps.value_or(0));
    }
    return part;
}

// A part as the entry's own settings write it, its letter after the number,
// so that it reads there as the line meant it.
std::string EntryTextOf(std::string_view part, Quantity quantity, const NumberLocale& locale) {
    const EntryText read = ReadPart(part, quantity);
    return PastedText(read.value, read.steps.value_or(0), quantity, locale);
}

}  // namespace

std::optional<Circuit> ReadCircuit(std::string_view line) {
    const auto separators = static_cast<std::size_t>(std::count(line.begin(), line.end(), kPartSeparator));
    if (separators != kCircuitEntries.size() - 1) return std::nullopt;
    Circuit circuit;
    for (std::size_t part = 0, start = 0; part < kCircuitEntries.size(); ++part) {
        const auto end = std::min(line.find(kPartSeparator, start), line.size());
        circuit.parts[part] = PartRead(Trimmed(line.substr(start, end - start)), kCircuitEntries[part].field);
        start = end + 1;
    }
    return circuit;
}

std::string CircuitLine(const FieldSet& form) {
    std::string line;
    for (const auto [entry, index] : kCircuitEntries) {
        const EntryText read = form.Read(entry, index);
        const Field chooser = ChooserOf(entry);
        std::string number;
        if (read.plain) {
            number = form.Text(entry, index);
            const auto mark = number.find_first_of(".,");
            if (mark != std::string::npos) number[mark] = '.';
        } else {
            number = NumberToText(CountedValue(form, entry, index), LineLocale());
        }
        if (!line.empty()) line += kPartSeparator;
        line += PartOf(QuantityOf(entry), number, StepsOf(chooser, form.Text(chooser, index)));
    }
    return line;
}

void EnterCircuit(const Circuit& circuit, const FieldSet& form, EventDispatcher& events) {
    for (std::size_t part = 0; part < kCircuitEntries.size(); ++part) {
        const std::optional<std::string>& read = circuit.parts[part].read;
        if (!read) continue;
        const auto [entry, index] = kCircuitEntries[part];
        events.Entered(entry, index, EntryTextOf(*read, QuantityOf(entry), form.Locale()));
    }
}

}  // namespace quorvel
