#pragma once

// Numbers typed into an entry a key at a time, as a person types them, and
// what the entry, its chooser and the result it feeds show after each key and
// once the entry is left: one table for the calculator without a window, for
// the real one and, where marked, for the page.

#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "number/number_text.h"

namespace quorvel::testing {

enum class Typed { resistor, current, both };  // into txtRs(1), into txtIst (1 Ohm in txtRs(0)), or each

struct TypedKeys {
    Typed into;
    const char* keys;     // after the entry's text is selected; "\b" is Backspace
    const char* shown;    // the entry's text after each key, "|" between them
    const char* chooser;  // the entry's chooser after the last key; "" where it keeps its default
    const char* total;    // a resistor's txtRst and lblUMs; the current's txtUst and txtUMUst
    const char* left;     // the entry's text once the focus has left it
    bool on_page = false; // played on the page too, whose key handling is its own
};

// A text that begins with "=" is the program's, with the settings' point for
// "."; the others are as typed.
inline constexpr TypedKeys kTypedKeys[] = {
    {Typed::both, ".5", ".|.5", "", "=0.5 Ohm", ".5", true},
    {Typed::both, ",5", ",|,5", "", "=0.5 Ohm", ",5"},
    {Typed::both, "1E3", "1|1E|1E3", "", "=1 kOhm", "=1000", true},
    {Typed::both, "4.7E3", "4|4.|4.7|4.7E|4.7E3", "", "=4.7 kOhm", "=4700"},
    {Typed::both, "1e-3", "1|1e|1e-|1e-3", "", "=0.001 Ohm", "=0.001"},
    {Typed::both, "2E+6", "2|2E|2E+|2E+6", "", "=2 MOhm", "=2000000"},
    {Typed::both, "2.2", "2|2.|2.2", "", "=2.2 Ohm", "2.2", true},
    {Typed::both, "2,2", "2|2,|2,2", "", "=2.2 Ohm", "2,2", true},
    {Typed::both, "-5", "-|=5", "", "=5 Ohm", "=5"},
    {Typed::both, "-.5", "-|-.|=0.5", "", "=0.5 Ohm", "=0.5", true},
    {Typed::both, "abc", "=0|=0|=0", "", "=0 Ohm", "=0"},
    {Typed::both, "7x", "7|=0", "", "=0 Ohm", "=0", true},
    {Typed::both, "\b123456", "=0|1|12|123|1234|12345|123456", "", "=123.456 kOhm", "123456", true},
    // Part markings: a multiplier letter, then perhaps the unit's word.
    {Typed::resistor, "4K7", "4|4K|4K7", "kOhm", "=4.7 kOhm", "=4.7", true},
    {Typed::resistor, "4k7", "4|4k|4k7", "kOhm", "=4.7 kOhm", "=4.7"},
    {Typed::resistor, "R47", "R|R4|R47", "Ohm", "=0.47 Ohm", "=0.47"},
    {Typed::resistor, "1M5", "1|1M|1M5", "MOhm", "=1.5 MOhm", "=1.5"},
    {Typed::resistor, "470R", "4|47|470|470R", "Ohm", "=470 Ohm", "=470"},
    {Typed::resistor, "4.7k", "4|4.|4.7|4.7k", "kOhm", "=4.7 kOhm", "=4.7"},
    {Typed::resistor, "2,2k", "2|2,|2,2|2,2k", "kOhm", "=2.2 kOhm", "=2.2", true},
    {Typed::resistor, "4k7Ohm", "4|4k|4k7|4k7O|4k7Oh|4k7Ohm", "kOhm", "=4.7 kOhm", "=4.7"},
    {Typed::resistor, "1G", "1|1G", "MOhm", "=1000 MOhm", "=1000"},
    {Typed::resistor, "K", "K", "kOhm", "=0 Ohm", "=0"},
    {Typed::resistor, "R", "R", "Ohm", "=0 Ohm", "=0"},
    {Typed::resistor, "1m", "1|=0", "Ohm", "=0 Ohm", "=0", true},
    {Typed::current, "5m", "5|5m", "mA", "=5 mV", "=5"},
    {Typed::current, "100u", "1|10|100|100u", "uA", "=100 uV", "=100"},
    {Typed::current, "100\u00B5", "1|10|100|100\u00B5", "uA", "=100 uV", "=100", true},
    {Typed::current, "5M", "5|=0", "A", "=0", "=0"},
};

// A text of the table as the entry shows it under the settings.
inline std::string Localized(std::string_view text, const NumberLocale& locale) {
    if (!text.starts_with('=')) return std::string(text);
    std::string localized;
    for (const char c : text.substr(1)) localized += c == '.' ? locale.DecimalPoint() : std::string(1, c);
    return localized;
}

// The entry's texts after each key, as the row gives them.
inline std::vector<std::string> ShownAfterEachKey(const TypedKeys& row, const NumberLocale& locale) {
    std::vector<std::string> texts;
    std::string_view shown = row.shown;
    for (std::size_t bar; (bar = shown.find('|')) != std::string_view::npos; shown.remove_prefix(bar + 1)) {
        texts.push_back(Localized(shown.substr(0, bar), locale));
    }
    texts.push_back(Localized(shown, locale));
    return texts;
}

// The result a row's entry feeds, with its unit: "4.7 kOhm", or "0" alone.
inline std::string TotalOf(const FieldSet& fields, Field entry) {
    const bool resistor = entry == Field::txtRs;
    const std::string unit = fields.Text(resistor ? Field::lblUMs : Field::txtUMUst);
    return fields.Text(resistor ? Field::txtRst : Field::txtUst) + (unit.empty() ? "" : " " + unit);
}

}  // namespace quorvel::testing
