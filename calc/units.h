#pragma once

// The unit words of the calculator.

#include <array>
#include <string_view>

#include "calc/fields.h"

namespace quorvel {

using UnitList = std::array<std::string_view, 3>;
using UnitLadder = std::array<std::string_view, 5>;  // micro, milli, base, kilo, mega

inline constexpr UnitList kResistanceUnits{"Ohm", "kOhm", "MOhm"};
inline constexpr UnitList kCurrentUnits{"uA", "mA", "A"};
inline constexpr UnitLadder kVoltageUnits{"uV", "mV", "V", "kV", "MV"};
inline constexpr UnitLadder kPowerUnits{"uW", "mW", "W", "kW", "MW"};

// The fixed list of a chooser: cboRs or cboIst.
constexpr const UnitList& ListOf(Field chooser) {
    return chooser == Field::cboIst ? kCurrentUnits : kResistanceUnits;
}

}  // namespace quorvel
