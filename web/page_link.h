#pragma once

// The page's address holds the circuit its entries and choosers hold, as its
// fragment ("#4K7,2K2,1M,470R,5mA", frontend/circuit_text.h): a link opens
// the same circuit, a reload keeps it, and the address bar edits it.

#include <optional>
#include <string>

#include "calc/fields.h"
#include "frontend/circuit_text.h"

namespace quorvel {

class PageLink {
public:
    // Once loaded: the circuit the address's fragment holds; none where it
    // holds none; with no fragment, the address stands for the fields as
    // they are.
    std::optional<Circuit> Open(const FieldSet& fields);
    // The fragment has changed: the circuit it holds, where the page did not
    // write it.
    std::optional<Circuit> Edited() const;
    // The address takes the circuit the fields hold, where that changed (or
    // always, where the user edited it), in place of its own: no entry in
    // the history.
    void Write(const FieldSet& fields, bool edited = false);
    // The address without its fragment: the circuit is gone.
    void Forget();

private:
    std::string written_;  // the fragment's text as the page wrote or read it last
};

}  // namespace quorvel
