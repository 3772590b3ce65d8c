#pragma once

#include <emscripten/val.h>

namespace quorvel {

// Builds the calculator into the page as the layout table describes the
// window: every control in its creation state, its name as its id, at its
// place in pixels, with the window's colours, fonts and tab order, and the
// frame's lines and dots drawn as SVG beneath the boxes. Returns the
// calculator's element, not yet in the document; no event is bound.
emscripten::val BuildCalculator(const emscripten::val& document);

}  // namespace quorvel
