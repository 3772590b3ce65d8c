#pragma once

// Numbers typed into a resistor entry a key at a time, as a person types
// them, and what the entry and the total resistance end with: one table for
// the calculator without a window and for the real one.

#include <string>

#include "calc/number_text.h"

namespace quorvel::testing {

struct TypedKeys {
    const char* keys;  // after the entry's text is selected; "\b" is Backspace
    const char* entry;
    bool rewritten;    // the entry's text is the program's, with the settings' point for "."
    const char* total; // txtRst, with the settings' point for "."
    const char* unit;  // lblUMs
};

inline constexpr TypedKeys kTypedKeys[] = {
    {".5", ".5", false, "0.5", "Ohm"},
    {",5", ",5", false, "0.5", "Ohm"},
    {"1E3", "1E3", false, "1", "kOhm"},
    {"4.7E3", "4.7E3", false, "4.7", "kOhm"},
    {"1e-3", "1e-3", false, "0.001", "Ohm"},
    {"2E+6", "2E+6", false, "2", "MOhm"},
    {"2.2", "2.2", false, "2.2", "Ohm"},
    {"2,2", "2,2", false, "2.2", "Ohm"},
    {"-5", "5", true, "5", "Ohm"},
    {"-.5", "0.5", true, "0.5", "Ohm"},
    {"abc", "0", true, "0", "Ohm"},
    {"7x", "0", true, "0", "Ohm"},
    {"\b123456", "123456", false, "123.456", "kOhm"},  // emptied, then typed
};

// A number text of the table with the settings' own point.
inline std::string Localized(const char* text, const NumberLocale& locale) {
    std::string localized;
    for (const char* c = text; *c; ++c) {
        localized += *c == '.' ? locale.DecimalPoint() : std::string(1, *c);
    }
    return localized;
}

}  // namespace quorvel::testing
