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

// The buttons that run a command, each where it stands: beneath the
// calculator, in their order on the page, or after the parts list. A
// browser leaves some keys to the page (Ctrl+Shift+C), not others
// (Ctrl+Shift+R reloads it, Ctrl+Shift+P opens a private window): only the
// first are told to a screen reader.
enum class ButtonPlace { share, parts };
struct CommandButton {
    std::string_view id;
    Command command;
    bool keys_told;
    ButtonPlace place = ButtonPlace::share;
};
inline constexpr CommandButton kCommandButtons[] = {
    {"cmdCopyCircuit", Command::copy_circuit, true},
    {"cmdCopyLink", Command::copy_link, false},
    {"cmdCopySolution", Command::copy_solution, false},
    {"cmdCopyParts", Command::copy_parts, false, ButtonPlace::parts},
};

// The buttons of a place, each with its caption and what a screen reader
// hears of it; disabled until the calculator starts.
std::string CommandButtonsMarkup(ButtonPlace place = ButtonPlace::share);

// The parts section's elements. Each resistor (0 to 3) has a block the
// window logic writes, and beside it the choosers of its part picker, made
// here once and never written by the blocks, so that a chooser in use keeps
// its focus: the count of bands, a chooser for each band (0 to 4, as many
// shown as the count has, each with a swatch of its colour), the SMD code,
// the value as it forms and the button that puts it into the entry. Then
// the totals' block, the circuit's tolerance and the button that copies the
// list. Ids name resistors and bands from 1, as "R1" and "Banda 1" do.
enum class PartElement { block, band_count, band, swatch, code, picked, put };
std::string PartId(PartElement element, int resistor, int band = 0);
inline constexpr std::string_view kPartsTotalsId = "partsTotals";
inline constexpr std::string_view kToleranceId = "cboTolerance";
inline constexpr std::string_view kPartsChoosersId = "fraParts";  // disabled until the calculator starts
inline constexpr int kMostBands = 5;
std::string PartsMarkup();

// A font of the layout as the page's style writes it: "bold 12pt Verdana, …";
// on a narrow screen, in the pixels it takes there.
std::string FontOf(layout::Font font);
std::string SizeOf(layout::Font font);  // "9.75pt"
std::string PhoneFontOf(layout::Font font, bool bold = false);

// A colour as the page's style writes it: "#E0E0E0".
std::string CssColour(std::uint32_t rgb);

}  // namespace quorvel
