#include "frontend/quoted_text.h"

#include <cstdio>
#include <optional>

#include "frontend/texts.h"

namespace quorvel {
namespace {

constexpr std::size_t kShownCharacters = 80;

struct Character {
    std::optional<char32_t> code;  // none for a byte that begins no UTF-8 character
    std::size_t size;              // its bytes
};

// The next character of UTF-8 text; a byte that is no part of a well-formed
// sequence (overlong, a surrogate, beyond U+10FFFF) counts alone.
Character NextCharacter(std::string_view text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || lead > 0xF4 || text.size() < size) return {std::nullopt, 1};
    char32_t code = lead & (0x7F >> size);
    for (std::size_t at = 1; at < size; ++at) {
        if ((byte(at) & 0xC0) != 0x80) return {std::nullopt, 1};
        code = (code << 6) | (byte(at) & 0x3F);
    }
    const char32_t least = size == 2 ? 0x80 : size == 3 ? 0x800 : 0x10000;
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {std::nullopt, 1};
    return {code, size};
}

// What a terminal or a text box would act on rather than show: the C0 and
// C1 controls, DEL, the line and paragraph separators, and the marks that
// turn or isolate the direction of what follows.
bool Acts(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

std::string Escape(const char* format, unsigned value) {
    char escape[12];
    std::snprintf(escape, sizeof escape, format, value);
    return escape;
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string shown = "\u201E";
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        const Character next = NextCharacter(text.substr(at));
        if (characters < kShownCharacters) {
            if (!next.code) {
                shown += Escape("\\x%02X", static_cast<unsigned char>(text[at]));
            } else if (*next.code == '\\') {
                shown += "\\\\";
            } else if (Acts(*next.code)) {
                shown += Escape(*next.code < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(*next.code));
            } else {
                shown += text.substr(at, next.size);
            }
        }
        at += next.size;
    }
    if (characters <= kShownCharacters) return shown + "\u201D";
    return shown + "\u2026\u201D (" + texts::Characters(static_cast<long long>(characters)) + ")";
}

}  // namespace quorvel
