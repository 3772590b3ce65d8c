#pragma once

// What a result box shows of its number, as text: the whole number where it
// fits, else a cut that can never be misread by orders of magnitude. A cut
// keeps every digit before the decimal point and the whole exponent, and
// marks where it cut with "…": "22090,0001645" in a narrow box is
// "22090,00…" or "22090…"; where even its whole-number part does not fit,
// it is written in exponent form with as many digits as fit, "2,2…E+4"; and
// "4,7E+296" keeps its exponent, "4…E+296". Where even the shortest cut
// is wider than the box, it is drawn smaller, at the largest size of the
// box's font at which it fits: nothing stands in the box's margins. The
// tooltip and what a screen reader says keep the whole number with its
// unit. A front end tells only how wide a text is; no front end spells the
// cut mark.

#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

inline constexpr std::string_view kCutMark = "…";

// The width of a UTF-8 text in the box's font, at size times its size, in
// the unit of room.
using TextWidth = std::function<double(std::string_view text, double size)>;

struct ResultDisplay {
    bool cut = false;
    std::string shown;    // what the box draws
    double size = 1;      // at that share of its font's size
    std::string tooltip;  // the whole number with its unit where cut; empty otherwise
    std::string spoken;   // what a screen reader says of the box
};

// text: as the number writer writes it, with the locale's decimal point;
// unit: the word beside it, if any; description: what is said of the box
// whatever it holds; fits: whether the box shows the whole text, as its
// toolkit decides; room: the width the box gives a cut text, inside its
// frame, its margins and its padding.
ResultDisplay DisplayResult(std::string_view text, std::string_view unit, std::string_view description,
                            std::string_view decimal_point, bool fits, double room, const TextWidth& width);

}  // namespace quorvel
