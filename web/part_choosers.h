#pragma once

#include <array>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "frontend/colour_code.h"
#include "frontend/window_logic.h"
#include "web/page_markup.h"

namespace quorvel {

// The parts section's choosers (web/page_markup.h), bound to the window
// logic's part pickers: each change goes to the logic, and the resistor's
// choosers are drawn again from what its picker then shows. Opened, and
// whenever a resistor's entry or the circuit's tolerance changes while it
// is open, a picker starts again from the entry. The blocks beside them
// the logic writes itself (PageView).
class PartChoosers {
public:
    PartChoosers(const emscripten::val& document, WindowLogic& logic);

    const emscripten::val& Section() const { return section_; }
    // Each chooser's events come to the listener, the section's toggle
    // too; stopped, or before, none can be used.
    void Listen(bool listen, const emscripten::val& listener);
    // The section as it stands: open, its blocks are written and each
    // picker starts from its entry. At the start too, for a section opened
    // before the calculator started or left open when it ended.
    void Shown();
    // An event of the section's: opened or closed, a chooser changed, a button.
    void Handle(const std::string& type, const emscripten::val& event);
    // After any other event: a picker whose entry changed starts again.
    void Follow();

private:
    static emscripten::val None() { return emscripten::val::undefined(); }
    struct Band {
        emscripten::val row = None(), chooser = None(), swatch = None();
        std::vector<Colour> offered;  // as its options stand; none yet: they are written at the first draw
    };
    struct Picker {
        emscripten::val count = None(), code = None(), picked = None(), put = None();
        std::array<Band, kMostBands> bands;
        std::string entry, unit;  // the resistor's entry and unit as the picker last started from them
    };
    void Start(int resistor);
    void Draw(int resistor, const PickerState& state);

    WindowLogic& logic_;
    emscripten::val section_;
    emscripten::val choosers_;  // the fieldset around them, disabled until the calculator starts
    emscripten::val tolerance_;
    std::array<Picker, kResistorCount> pickers_;
    bool open_ = false;
};

}  // namespace quorvel
