#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Text fit for an HTML attribute or an element's content: no markup of its own.
std::string HtmlEscaped(std::string_view text);

}  // namespace quorvel
