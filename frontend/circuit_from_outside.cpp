#include "frontend/circuit_from_outside.h"

#include "frontend/parts_not_read.h"

namespace quorvel {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string FragmentText(std::string_view fragment) {
    std::string text;
    text.reserve(fragment.size());
    for (std::size_t at = 0; at < fragment.size(); ++at) {
        const int high = fragment[at] == '%' && at + 2 < fragment.size() ? HexDigit(fragment[at + 1]) : -1;
        const int low = high >= 0 ? HexDigit(fragment[at + 2]) : -1;
        if (low < 0 || high + low == 0) {
            text += fragment[at];
            continue;
        }
        text += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return text;
}

// What the boxes held before, a reload's leftovers on the page included,
// counts for nothing.
void OpenCircuit(const Circuit& circuit, const FieldSet& form, EventDispatcher& events) {
    const std::optional<RuntimeError> met = events.AsOne([&] {
        events.ClearClick();
        EnterCircuit(circuit, form, events);
    });
    if (const auto report = OpenedReport(circuit, met)) events.Report(*report);
}

}  // namespace quorvel
