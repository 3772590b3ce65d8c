#pragma once

// A window's address holds the circuit its entries and choosers hold, as its
// fragment ("…#4K7,2K2,1M,470R,5mA", frontend/circuit_text.h): a link opens
// the same circuit, a reload keeps it, and the address bar edits it. The
// address is written after the user pauses, when the window is hidden or
// left, before its link is copied and when it ends, and only where the
// circuit changed; in place, so that the history gains no entry.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "frontend/circuit_text.h"

namespace quorvel {

// How long the user stops editing before the address takes the circuit:
// changing the address costs a browser more than a keystroke's results.
inline constexpr std::chrono::milliseconds kAddressPause{300};

// The fragment of an address, after its "#"; empty where it has none.
std::string_view FragmentOf(std::string_view address);

class CircuitAddress {
public:
    // Once loaded: the circuit the fragment holds; none where it holds
    // none; an empty fragment stands for the fields as they are.
    std::optional<Circuit> Open(std::string_view fragment, const FieldSet& fields);
    // The fragment has changed: the circuit it holds, where this did not write it.
    std::optional<Circuit> Edited(std::string_view fragment) const;
    // The fragment to write for the circuit the fields hold, where it
    // changed (or always, where the user edited the address).
    std::optional<std::string> Written(const FieldSet& fields, bool edited = false);

private:
    std::string written_;  // the fragment as written or read last
};

}  // namespace quorvel
