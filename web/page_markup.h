#pragma once

// The calculator on the page as markup, made when the page is built, so that
// the browser paints it before any script runs: every control of the layout
// table with its name as its id, in the window's tab order, which the
// document's order gives; the frame's lines and dots drawn as SVG beneath
// the boxes. Where each control stands is in custom properties the page's
// style reads: the window's place and size (--x, --y, --w, --h) for a wide
// screen, a cell of one column (--row, --col, --span) for a narrow one.

#include <string>

#include "calc/fields.h"

namespace quorvel {

// The field texts the markup shows: the calculator as it is once loaded.
std::string CalculatorMarkup(const FieldSet& shown);

}  // namespace quorvel
