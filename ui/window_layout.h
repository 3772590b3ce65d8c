#pragma once

// The window frmQuorvel as data: every control in creation order, with its
// kind, container, place and size (in twips), colour and creation text. The
// window is built from this table; the frame draws its lines and dots.

#include <cstdint>
#include <string_view>

namespace quorvel::layout {

enum class Kind {
    frame,    // the framed circuit drawing
    entry,    // editable text box
    chooser,  // drop-down list, pick only
    result,   // read-only text box without a border
    label,    // caption standing on its container's colour
    button,
    line,     // drawn from (left, top) to (left + width, top + height)
    dot,      // filled circle in the box (left, top, width, height)
};

enum class Container { window, fraSerie };
enum class Align { left, centre, right };
enum class Font {
    window,     // Verdana 9.75 pt
    caption,    // Verdana 8.25 pt
    signature,  // Verdana 12 pt bold
};

inline constexpr std::uint32_t kNoColour = 0xFFFFFFFF;
inline constexpr std::uint32_t kGreen = 0xC0FFC0;   // what the user types
inline constexpr std::uint32_t kYellow = 0xFFFF80;  // computed numbers
inline constexpr std::uint32_t kGrey = 0xE0E0E0;    // the window, the frame, unit words
inline constexpr std::uint32_t kBlue = 0x8080FF;    // dimension brackets
inline constexpr std::uint32_t kBlack = 0x000000;

struct Control {
    std::string_view name;
    int index;  // element of a control array, or -1
    Kind kind;
    Container container;
    int left, top, width, height;  // twips; 15 twips make a pixel at 96 dpi
    std::uint32_t colour;          // background; for lines and dots the ink
    std::string_view text = {};    // creation text or caption
    Align align = Align::left;
    Font font = Font::window;
    int tab_index = -1;   // -1: takes no focus
    int max_typed = 0;    // characters the user may type or paste; 0: no limit
    int line_width = 1;   // pixels, for lines
};

using K = Kind;
using C = Container;
using A = Align;
using F = Font;

inline constexpr Control kControls[] = {
    // name             idx kind       container    left   top   width height colour    text  align      font  tab typed
    {"fraSerie",         -1, K::frame,  C::window,    120,  120, 11655, 2655, kGrey,     "", A::left,  F::window, 11},
    {"txtRs",             0, K::entry,  C::fraSerie,  600,  780,   855,  360, kGreen,   "0", A::right, F::window,  0, 6},
    {"cboRs",             0, K::chooser, C::fraSerie, 1440,  780,  1095,  360, kNoColour, "", A::left, F::window,  1},
    {"txtRs",             1, K::entry,  C::fraSerie, 2640,  780,   855,  360, kGreen,   "0", A::right, F::window,  2, 6},
    {"cboRs",             1, K::chooser, C::fraSerie, 3480,  780,  1095,  360, kNoColour, "", A::left, F::window,  3},
    {"txtRs",             2, K::entry,  C::fraSerie, 4680,  780,   855,  360, kGreen,   "0", A::right, F::window,  4, 6},
    {"cboRs",             2, K::chooser, C::fraSerie, 5520,  780,  1095,  360, kNoColour, "", A::left, F::window,  5},
    {"txtRs",             3, K::entry,  C::fraSerie, 6720,  780,   855,  360, kGreen,   "0", A::right, F::window,  6, 6},
    {"cboRs",             3, K::chooser, C::fraSerie, 7560,  780,  1095,  360, kNoColour, "", A::left, F::window,  7},
    {"txtRst",           -1, K::result, C::fraSerie, 4800,  300,  1095,  375, kYellow,   "", A::right, F::window, 32},
    {"txtUs",             0, K::result, C::fraSerie,  600, 1200,   855,  360, kYellow,   "", A::right, F::window, 31},
    {"txtUMUs",           0, K::result, C::fraSerie, 1440, 1200,   615,  375, kGrey,     "", A::left,  F::window, 30},
    {"txtUs",             1, K::result, C::fraSerie, 2640, 1200,   855,  360, kYellow,   "", A::right, F::window, 29},
    {"txtUMUs",           1, K::result, C::fraSerie, 3480, 1200,   615,  375, kGrey,     "", A::left,  F::window, 28},
    {"txtUs",             2, K::result, C::fraSerie, 4680, 1200,   855,  360, kYellow,   "", A::right, F::window, 27},
    {"txtUMUs",           2, K::result, C::fraSerie, 5520, 1200,   615,  375, kGrey,     "", A::left,  F::window, 26},
    {"txtUs",             3, K::result, C::fraSerie, 6720, 1200,   855,  360, kYellow,   "", A::right, F::window, 25},
    {"txtUMUs",           3, K::result, C::fraSerie, 7560, 1200,   615,  375, kGrey,     "", A::left,  F::window, 24},
    {"txtPs",             0, K::result, C::fraSerie,  600, 1560,   855,  375, kYellow,   "", A::right, F::window, 23},
    {"txtUMPs",           0, K::result, C::fraSerie, 1440, 1560,   615,  375, kGrey,     "", A::left,  F::window, 22},
    {"txtPs",             1, K::result, C::fraSerie, 2640, 1560,   855,  375, kYellow,   "", A::right, F::window, 21},
    {"txtUMPs",           1, K::result, C::fraSerie, 3480, 1560,   615,  375, kGrey,     "", A::left,  F::window, 20},
    {"txtPs",             2, K::result, C::fraSerie, 4680, 1560,   855,  375, kYellow,   "", A::right, F::window, 19},
    {"txtUMPs",           2, K::result, C::fraSerie, 5520, 1560,   615,  375, kGrey,     "", A::left,  F::window, 18},
    {"txtPs",             3, K::result, C::fraSerie, 6720, 1560,   855,  375, kYellow,   "", A::right, F::window, 17},
    {"txtUMPs",           3, K::result, C::fraSerie, 7560, 1560,   615,  375, kGrey,     "", A::left,  F::window, 16},
    {"txtIst",           -1, K::entry,  C::fraSerie, 9120,  780,   855,  375, kGreen,   "0", A::right, F::window,  8},
    {"cboIst",           -1, K::chooser, C::fraSerie, 9960,  780,  1095,  360, kNoColour, "", A::left, F::window,  9},
    {"txtPst",           -1, K::result, C::fraSerie, 9120, 1560,   855,  360, kYellow,   "", A::right, F::window, 15},
    {"txtUMpst",         -1, K::result, C::fraSerie, 9960, 1560,   615,  375, kGrey,     "", A::left,  F::window, 14},
    {"txtUst",           -1, K::result, C::fraSerie, 5040, 2167,   855,  360, kYellow,   "", A::right, F::window, 13},
    {"txtUMUst",         -1, K::result, C::fraSerie, 5880, 2160,   615,  375, kGrey,     "", A::left,  F::window, 12},
    {"linS3",             3, K::line,   C::fraSerie, 6960,  480,  1800,    0, kBlue},
    {"linS3",             2, K::line,   C::fraSerie,  360,  480,  1800,    0, kBlue},
    {"linS2",             3, K::line,   C::fraSerie, 8760,  480,     0,  120, kBlue},
    {"linS2",             2, K::line,   C::fraSerie,  360,  480,     0,  120, kBlue},
    {"lblUMs",           -1, K::label,  C::fraSerie, 6120,  360,   435,  240, kNoColour, "Ohm", A::left, F::window, 39},
    {"Line3",            -1, K::line,   C::fraSerie,  120,  960, 11280,    0, kBlack, "", A::left, F::window, -1, 0, 2},
    {"shaDot",            2, K::dot,    C::fraSerie,  360,  900,   135,  135, kBlack},
    {"shaDot",            3, K::dot,    C::fraSerie, 8760,  900,   135,  135, kBlack},
    {"lblEticheteS",      0, K::label,  C::fraSerie, 2955,  360,  1800,  240, kNoColour, "Rezistentă totală:", A::centre, F::window, 38},
    {"lblEticheteS",      1, K::label,  C::fraSerie,  300, 1260,   150,  240, kNoColour, "U", A::centre, F::window, 37},
    {"lblEticheteS",      2, K::label,  C::fraSerie,  315, 1620,   120,  240, kNoColour, "P", A::centre, F::window, 36},
    {"lblEticheteS",      3, K::label,  C::fraSerie, 2580, 2250,  2220,  195, kNoColour, "Cădere de tensiune totală", A::centre, F::caption, 35},
    {"lblEticheteS",      4, K::label,  C::fraSerie, 9360, 2040,  1110,  195, kNoColour, "Putere totală", A::centre, F::caption, 34},
    {"lblEticheteS",      5, K::label,  C::fraSerie, 9360, 1200,  1530,  195, kNoColour, "Curentul în circuit", A::centre, F::caption, 33},
    {"linS2",             0, K::line,   C::fraSerie,  360, 2040,     0,  360, kBlue},
    {"linS2",             1, K::line,   C::fraSerie, 8760, 2040,     0,  360, kBlue},
    {"linS3",             0, K::line,   C::fraSerie,  360, 2400,  1800,    0, kBlue},
    {"linS3",             1, K::line,   C::fraSerie, 6960, 2400,  1800,    0, kBlue},
    {"cmdClear",         -1, K::button, C::window,  10320, 2880,  1455,  375, kGrey, "Sterge valori", A::centre, F::window, 10},
    {"lblVelmar",        -1, K::label,  C::window,    240, 2880,   900,  270, kNoColour, "Velmar", A::left, F::signature, 40},
};

// The window itself.
inline constexpr std::string_view kTitle = " Quorvel ";
inline constexpr int kClientWidth = 11910;
inline constexpr int kClientHeight = 3375;
inline constexpr std::uint32_t kBackground = kGrey;

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest.
constexpr int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

}  // namespace quorvel::layout
