#pragma once

// The calculator on the page as markup, made when the page is built, so that
// the browser paints it before any script runs: every control of the layout
// table with its name as its id, in the window's tab order, which the
// document's order gives; the frame's lines and dots drawn as SVG beneath
// the boxes. Where each control stands is in custom properties the page's
// style reads: the window's place and size (--x, --y, --w, --h) for a wide
// screen, a cell of one column (--row, --col, --span) for a narrow one.

#include <string>
#include <string_view>

#include "calc/fields.h"
#include "frontend/window_commands.h"
#include "frontend/window_layout.h"

namespace quorvel {

// The field texts the markup shows: the calculator as it is once loaded.
std::string CalculatorMarkup(const FieldSet& shown);

// The buttons beneath the calculator, each a command, in their order on the
// page. A browser leaves some keys to the page (Ctrl+Shift+C), not others
// (Ctrl+Shift+R reloads it): only the first are told to a screen reader.
struct CommandButton {
    std::string_view id;
    Command command;
    bool keys_told;
};
inline constexpr CommandButton kCommandButtons[] = {
    {"cmdCopyCircuit", Command::copy_circuit, true},
    {"cmdCopyLink", Command::copy_link, false},
    {"cmdCopySolution", Command::copy_solution, false},
};

// Those buttons, each with its caption and what a screen reader hears of
// it; disabled until the calculator starts.
std::string CommandButtonsMarkup();

// A font of the layout as the page's style writes it: "bold 12pt Verdana, …";
// on a narrow screen, in the pixels it takes there.
std::string FontOf(layout::Font font);
std::string SizeOf(layout::Font font);  // "9.75pt"
std::string PhoneFontOf(layout::Font font, bool bold = false);

// A colour as the page's style writes it: "#E0E0E0".
std::string CssColour(std::uint32_t rgb);

}  // namespace quorvel
