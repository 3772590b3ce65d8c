#pragma once

// The small picture of a resistor with its bands, drawn alike by every
// front end: the page as SVG, the window and the Windows program with
// their own painters, from the shapes here. A band not picked yet is drawn
// as an outline. The tolerance band stands apart from the others, as on a
// part.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/colour_code.h"

namespace quorvel {

// In units of the picture's box, kPictureWidth × kPictureHeight; a front
// end scales it to its room.
inline constexpr double kPictureWidth = 120;
inline constexpr double kPictureHeight = 32;

struct DrawnShape {
    double x, y, width, height;
    std::string_view fill;  // "#rrggbb"; empty: an outline only
    std::string_view outline;
};

// The lead first, then the body, then each band from the first figure on.
std::vector<DrawnShape> ResistorPicture(std::span<const std::optional<Colour>> bands);

// What a screen reader hears of the picture: each band's colour name, "?"
// for one not picked yet: "galben violet ? auriu".
std::string ResistorNames(std::span<const std::optional<Colour>> bands);

// The picture as SVG, its names for a screen reader in its title.
std::string ResistorSvg(std::span<const std::optional<Colour>> bands);

}  // namespace quorvel
