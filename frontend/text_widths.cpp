#include "frontend/text_widths.h"

namespace quorvel {

TextWidths::Advances& TextWidths::Of(int font) {
    auto advances = std::find_if(fonts_.begin(), fonts_.end(), [font](const Advances& a) { return a.font == font; });
    if (advances != fonts_.end()) return *advances;
    Advances& added = fonts_.emplace_back(Advances{font, {}, {}});
    added.ascii.fill(-1);
    return added;
}

void TextWidths::Forget(int font) {
    std::erase_if(fonts_, [font](const Advances& a) { return a.font == font; });
}

std::pair<char32_t, std::size_t> TextWidths::NextCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || length > text.size()) return {lead, 1};
    char32_t code = lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
    return {code, length};
}

}  // namespace quorvel
