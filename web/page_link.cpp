#include "web/page_link.h"

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include "frontend/circuit_from_outside.h"

namespace quorvel {
namespace {

using emscripten::val;

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

// A fragment that is no circuit gives way to the line of the defaults.
std::optional<Circuit> PageLink::Open(const FieldSet& fields) {
    written_.clear();
    if (!AddressFragment().empty()) return Edited();
    written_ = CircuitLine(fields);
    return std::nullopt;
}

std::optional<Circuit> PageLink::Edited() const {
    const std::string fragment = AddressFragment();
    if (fragment.empty()) return std::nullopt;
    const std::string line = FragmentText(fragment);
    if (line == written_) return std::nullopt;
    return ReadCircuit(line);
}

void PageLink::Write(const FieldSet& fields, bool edited) {
    const std::string line = CircuitLine(fields);
    if (line == written_ && !edited) return;
    written_ = line;
    ReplaceAddress(line.c_str());
}

void PageLink::Forget() {
    written_.clear();
    ReplaceAddress("");
}

}  // namespace quorvel
