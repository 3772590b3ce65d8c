#pragma once

// What a resistor entry tells of its value beyond its text, alike in every
// front end: a screen reader hears the value with its unit, "4,8 kOhm", and
// the tooltip names the nearest standard values, each with how far it is
// in percent of the entry's value, in the settings' form:
// "E24: 4,7 kOhm (−2,1 %) · E96: 4,75 kOhm (−1,0 %)".

#include <string>

#include "calc/fields.h"

namespace quorvel {

struct EntryDescription {
    std::string spoken;
    std::string tooltip;  // empty for a value outside the series' range, 1 Ohm to 1000 MOhm
};

EntryDescription DescribeResistor(const FieldSet& form, int index);

}  // namespace quorvel
