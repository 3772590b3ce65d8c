#pragma once

// How wide a text is, as its characters' widths add up, each character
// measured once per font: a front end lays out few and short texts in a
// font drawn without kerning (a result box's) or near enough (an entry's),
// and measuring costs a toolkit far more than adding. Fonts are numbered
// by whoever asks.

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

class TextWidths {
public:
    // measure(character): the width of one character, UTF-8, in the font.
    template <class Measure>
    double Width(int font, std::string_view text, Measure&& measure) {
        Advances& advances = Of(font);
        double width = 0;
        while (!text.empty()) {
            const auto [code, length] = NextCharacter(text);
            double* known = nullptr;
            if (code < advances.ascii.size()) {
                known = &advances.ascii[code];
            } else {
                const char32_t wanted = code;
                auto other = std::find_if(advances.others.begin(), advances.others.end(),
                                          [wanted](const auto& pair) { return pair.first == wanted; });
                if (other == advances.others.end()) other = advances.others.insert(advances.others.end(), {wanted, -1});
                known = &other->second;
            }
            if (*known < 0) *known = measure(text.substr(0, length));
            width += *known;
            text.remove_prefix(length);
        }
        return width;
    }
    void Forget(int font);
    void ForgetAll() { fonts_.clear(); }

private:
    // ASCII at once, the few others by search; negative where not measured yet.
    struct Advances {
        int font;
        std::array<double, 128> ascii;
        std::vector<std::pair<char32_t, double>> others;
    };
    Advances& Of(int font);
    // The code point at the start of a UTF-8 text and its length; a byte
    // that begins no sequence counts alone.
    static std::pair<char32_t, std::size_t> NextCharacter(std::string_view text);

    std::vector<Advances> fonts_;
};

}  // namespace quorvel
