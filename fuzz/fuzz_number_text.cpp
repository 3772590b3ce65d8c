// The number text rules on arbitrary bytes. The first byte picks the regional
// settings: below 0x80 from the table, otherwise spelled out by the input as
// three texts (decimal, group, currency), each a length byte and its bytes.
// The rest is the text a user typed or pasted.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "number/entry_text.h"
#include "number/number_text.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"

namespace {

using namespace quorvel;

enum class Outcome { number, conversion, overflow };

Outcome StrictReading(std::string_view text, const NumberLocale& locale, double& value) {
    try {
        value = ParseStrict(text, locale);
        return Outcome::number;
    } catch (const ConversionError&) {
        return Outcome::conversion;
    } catch (const OverflowError&) {
        return Outcome::overflow;
    } catch (...) {
        FUZZ_FAIL("ParseStrict let through an error other than 13 or 6");
    }
}

// [-]digits[.digits][E[sign]digits] with a digit in the mantissa, nothing else.
bool IsPlainPointNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

// An entry keeps a text exactly when a few characters more make it a number:
// the rest of one of the settings' tokens (a point, a group mark, the
// currency symbol), of a group mark a keyboard types, a blank, or of a unit
// word; up to three digits, which complete a group; or both.
void CheckEntryKeeps(std::string_view text, const NumberLocale& locale, Quantity quantity) {
    const EntryReading reading = ReadEntry(text, locale, quantity).reading;
    if (text.empty() || reading == EntryReading::number || reading == EntryReading::too_large) return;
    bool mendable = false;
    for (const std::string& token : {locale.currency_symbol, locale.DecimalPoint(), locale.group_separator,
                                     std::string("."), std::string(","), std::string(), std::string("Ohm"), std::string("ohm"),
                                     std::string("\u03A9"), std::string("\u2126"), std::string("\u00B5"),
                                     std::string("\u03BC"), std::string("'"), std::string("\u2019"),
                                     std::string("\u00A0"), std::string("\u202F")}) {
        for (std::size_t from = 0; from <= token.size() && !mendable; ++from) {
            if (!text.ends_with(token.substr(0, from))) continue;  // the text does not end inside the token
            for (const char* digit : {"", "1", "11", "111"}) {
                const std::string completed = std::string(text) + token.substr(from) + digit;
                const EntryReading then = ReadEntry(completed, locale, quantity).reading;
                mendable = mendable || then == EntryReading::number || then == EntryReading::too_large;
            }
        }
    }
    FUZZ_CHECK(mendable == (reading == EntryReading::beginning));
}

// Whether the settings keep their tokens apart from one another and from
// those every entry knows but the letter R (with which "RON" begins, and
// the symbol comes first where it stands whole), as a system's settings do: none begins another,
// and none holds a digit, a sign or an exponent's letter. Where one does
// (the odd settings, many spelled out by the input), a text may end inside
// either of two tokens, and whether it is a beginning is not to be told
// from one reading: there, the readings are only held to soundness.
bool TokensStandApart(const NumberLocale& locale) {
    const std::string_view known[] = {".", ",", "'", "\u2019", " ", "\t", "\u00A0", "\u202F", "Ohm", "ohm", "\u03A9",
                                      "\u2126", "A", "r", "K", "k", "M", "G", "u", "\u00B5", "\u03BC", "m"};
    const std::string_view own[] = {locale.DecimalPoint(), locale.group_separator, locale.currency_symbol};
    const auto overlap = [](std::string_view a, std::string_view b) {
        return !a.empty() && !b.empty() && a != b && (a.starts_with(b) || b.starts_with(a));
    };
    for (std::size_t n = 0; n < std::size(own); ++n) {
        const std::string_view token = own[n];
        if (token.find_first_of("0123456789+-Ee") != std::string_view::npos) return false;
        for (std::string_view other : known) {
            if (overlap(token, other)) return false;
        }
        // Two of the settings' own tokens alike are no system's settings either.
        for (std::size_t m = n + 1; m < std::size(own); ++m) {
            if (overlap(token, own[m]) || (!token.empty() && token == own[m])) return false;
        }
    }
    return true;
}

void CheckText(std::string_view text, const NumberLocale& locale) {
    double strict = 0;
    const Outcome outcome = StrictReading(text, locale, strict);
    if (outcome == Outcome::number) FUZZ_CHECK(std::isfinite(strict));

    const double leading = ParseLeading(text);
    FUZZ_CHECK(std::isfinite(leading));
    for (const Quantity quantity : {Quantity::resistance, Quantity::current}) {
        FUZZ_CHECK(std::isfinite(ReadEntry(text, locale, quantity).value));
        if (TokensStandApart(locale)) CheckEntryKeeps(text, locale, quantity);
    }

    if (!IsPlainPointNumber(text)) return;
    // Both readings of a plain number agree with each other and with the C
    // library's own, correctly rounded one.
    static const NumberLocale point{".", ",", "$"};
    const Outcome plain = StrictReading(text, point, strict);
    FUZZ_CHECK(plain != Outcome::conversion);
    const std::string terminated(text);
    const double reference = std::strtod(terminated.c_str(), nullptr);
    if (std::isinf(reference)) {
        FUZZ_CHECK(plain == Outcome::overflow);
        FUZZ_CHECK(leading == std::copysign(std::numeric_limits<double>::max(), reference));
        return;
    }
    FUZZ_CHECK(plain == Outcome::number);
    FUZZ_CHECK(strict == leading);
    // Below the smallest double the reading is zero, like the C library's.
    FUZZ_CHECK(strict == reference);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const std::uint8_t selector = input.Byte();
    if (selector < 0x80) {
        CheckText(input.Rest(), fuzzing::LocaleFor(selector));
        return 0;
    }
    NumberLocale locale;
    locale.decimal_separator = input.Text(4);
    locale.group_separator = input.Text(4);
    locale.currency_symbol = input.Text(4);
    CheckText(input.Rest(), locale);
    return 0;
}
