#include "win/html_clipboard.h"

#include <cstdio>

namespace quorvel::win {
namespace {

constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";

// Ten digits each, so that the header's length is known before its numbers.
std::string Header(std::size_t start_html, std::size_t end_html, std::size_t start_fragment, std::size_t end_fragment) {
    char header[160];
    const int size = std::snprintf(header, sizeof header,
                                   "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                   "StartFragment:%010zu\r\nEndFragment:%010zu\r\n",
                                   start_html, end_html, start_fragment, end_fragment);
    return std::string(header, static_cast<std::size_t>(size));
}

}  // namespace

std::string HtmlClipboardFormat(std::string_view fragment) {
    const std::size_t start_html = Header(0, 0, 0, 0).size();
    const std::size_t start_fragment = start_html + kBefore.size();
    const std::size_t end_fragment = start_fragment + fragment.size();
    const std::size_t end_html = end_fragment + kAfter.size();
    return Header(start_html, end_html, start_fragment, end_fragment) + std::string(kBefore) + std::string(fragment) +
           std::string(kAfter);
}

}  // namespace quorvel::win
