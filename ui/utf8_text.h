#pragma once

#include <string_view>

#include <QString>

namespace quorvel {

// The texts of the layers below, which are UTF-8 and not always NUL-ended.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvel
