#include "web/page_link.h"

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

namespace quorvel {
namespace {

using emscripten::val;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string AddressFragment() {
    const std::string hash = val::global("location")["hash"].as<std::string>();
    return hash.empty() ? hash : hash.substr(1);
}

// A browser may refuse to change the address (too many changes at once, a
// sandboxed frame): the page goes on with the address as it was.
EM_JS(void, ReplaceAddress, (const char* fragment), {
    const url = new URL(location.href);
    url.hash = UTF8ToString(fragment);
    try {
        history.replaceState(history.state, document.title, url.href);
    } catch (refused) {
    }
});

}  // namespace

std::string FragmentText(std::string_view fragment) {
    std::string text;
    text.reserve(fragment.size());
    for (std::size_t at = 0; at < fragment.size(); ++at) {
        const int high = fragment[at] == '%' && at + 2 < fragment.size() ? HexDigit(fragment[at + 1]) : -1;
        const int low = high >= 0 ? HexDigit(fragment[at + 2]) : -1;
        if (low < 0) {
            text += fragment[at];
            continue;
        }
        text += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return text;
}

std::optional<Circuit> PageLink::Open(const FieldSet& fields) {
    written_.clear();
    const auto circuit = Edited();
    if (!circuit) written_ = CircuitLine(fields);
    return circuit;
}

std::optional<Circuit> PageLink::Edited() const {
    const std::string fragment = AddressFragment();
    if (fragment.empty()) return std::nullopt;
    const std::string line = FragmentText(fragment);
    if (line == written_) return std::nullopt;
    return ReadCircuit(line);
}

void PageLink::Write(const FieldSet& fields) {
    const std::string line = CircuitLine(fields);
    if (line == written_) return;
    written_ = line;
    ReplaceAddress(line.c_str());
}

void PageLink::Forget() {
    written_.clear();
    ReplaceAddress("");
}

}  // namespace quorvel
