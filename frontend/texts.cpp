#include "frontend/texts.h"

namespace quorvel::texts {

std::string Filled(std::string_view pattern, std::string_view first, std::string_view second) {
    std::string filled;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && (pattern[at + 1] == '1' || pattern[at + 1] == '2')) {
            filled += pattern[++at] == '1' ? first : second;
        } else {
            filled += pattern[at];
        }
    }
    return filled;
}

std::string Listed(std::span<const std::string_view> words, std::string_view last_joint) {
    std::string listed;
    for (std::size_t n = 0; n < words.size(); ++n) {
        if (n > 0) listed += n + 1 == words.size() ? " " + std::string(last_joint) + " " : ", ";
        listed += words[n];
    }
    return listed;
}

std::string Characters(long long count) {
    if (count == 1) return "1 caracter";
    const long long last_two = count % 100;
    const bool with_de = count >= 20 && (last_two == 0 || last_two >= 20);
    return std::to_string(count) + (with_de ? " de caractere" : " caractere");
}

}  // namespace quorvel::texts
