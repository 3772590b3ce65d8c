#pragma once

// What a resistor entry tells of its value beyond its text, alike in every
// front end: a screen reader hears the value with its unit, "4,8 kOhm", and
// the tooltip names the nearest standard values, each with how far it is
// in percent of the entry's value, in the settings' form:
// "E24: 4,7 kOhm (−2,1 %) · E96: 4,75 kOhm (−1,0 %)", and on a line of
// its own the part's marking at the circuit's tolerance:
// "Benzi la ±5 %: galben violet roșu auriu · cod SMD: 472".

#include <array>
#include <string>
#include <vector>

#include "calc/fields.h"
#include "frontend/tolerance.h"
#include "frontend/window_view.h"

namespace quorvel {

struct EntryDescription {
    std::string spoken;
    std::string tooltip;  // the marking alone for a value outside the series' range, 1 Ohm to 1000 MOhm
};

EntryDescription DescribeResistor(const FieldSet& form, int index, Tolerance tolerance = kStartTolerance);
std::string ResistorSpoken(const FieldSet& form, int index);  // what DescribeResistor says, alone
std::string ResistorTooltip(const FieldSet& form, int index, Tolerance tolerance);  // and its tooltip

// When a resistor entry is described again: once an event that changed its
// text or its unit is over, or the user's settings. A screen reader hears its value with its unit (in the window, as
// the beginning of the entry's description); its tooltip follows where the
// toolkit shows tooltips without asking, else it is worked out when asked.
class ResistorDescriptions {
public:
    void Touched(int index) { touched_[static_cast<std::size_t>(index)] = true; }
    // After an event: each resistor touched since, into writes.
    void Describe(const FieldSet& form, Tolerance tolerance, const WindowView& view, std::vector<ViewWrite>& writes);
    void TooltipAsked(const FieldSet& form, int index, Tolerance tolerance, std::vector<ViewWrite>& writes);

private:
    struct Described {
        std::string value;
        std::string spoken;
        std::string tooltip;
    };
    std::array<Described, kResistorCount> described_;
    std::array<bool, kResistorCount> touched_{};  // the load event touches every one
};

}  // namespace quorvel
