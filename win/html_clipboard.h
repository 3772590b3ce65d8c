#pragma once

// The clipboard's "HTML Format", as Windows programs read HTML from it: a
// header of byte offsets into the UTF-8 that follows, then the document,
// the copied fragment between its two markers.

#include <string>
#include <string_view>

namespace quorvel::win {

std::string HtmlClipboardFormat(std::string_view fragment);

}  // namespace quorvel::win
