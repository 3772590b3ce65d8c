#pragma once

// A text given from outside without the blanks and tabs around it: a
// circuit line's part, a code typed off a chip, a tolerance.

#include <string_view>

namespace quorvel {

inline std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace quorvel
