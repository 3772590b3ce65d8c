#pragma once

// Where each control stands on a narrow screen: a cell of a grid of four
// columns (value, unit, value, unit), a row at a time: the resistors, each
// a group of two rows, then the current, the totals and the button. The
// circuit drawing is left out.

#include <string_view>

#include "frontend/control_name.h"
#include "frontend/window_layout.h"

namespace quorvel::phone {

struct Cell {
    int row = 0;  // 0: none
    int column = 1;
    int span = 1;
};

struct Place {
    std::string_view name;  // a control's name, with its element for the labels
    Cell cell;
};

// Each resistor's controls: the first resistor's rows, two rows lower for each next one.
inline constexpr Place kResistorPlaces[] = {
    {"txtRs", {2, 1, 2}}, {"cboRs", {2, 3, 2}},                                        // its value and unit
    {"txtUs", {3, 1, 1}}, {"txtUMUs", {3, 2, 1}}, {"txtPs", {3, 3, 1}}, {"txtUMPs", {3, 4, 1}},  // U and P
};

inline constexpr Place kPlaces[] = {
    {"lblEticheteS(1)", {1, 1, 2}},  {"lblEticheteS(2)", {1, 3, 2}},  // "U" and "P" over the resistors
    {"lblEticheteS(5)", {10, 1, 4}}, {"txtIst", {11, 1, 2}},  {"cboIst", {11, 3, 2}},
    {"lblEticheteS(0)", {12, 1, 2}}, {"txtRst", {12, 3, 1}},  {"lblUMs", {12, 4, 1}},
    {"lblEticheteS(3)", {13, 1, 2}}, {"txtUst", {13, 3, 1}},  {"txtUMUst", {13, 4, 1}},
    {"lblEticheteS(4)", {14, 1, 2}}, {"txtPst", {14, 3, 1}},  {"txtUMpst", {14, 4, 1}},
    {"cmdClear", {15, 1, 4}},
};

inline constexpr int kResistorRows = 2;

inline Cell CellOf(const layout::Control& control) {
    for (const Place& place : kResistorPlaces) {
        if (place.name == control.name) {
            return {place.cell.row + kResistorRows * control.index, place.cell.column, place.cell.span};
        }
    }
    for (const Place& place : kPlaces) {
        if (place.name == ControlName(control.name, control.index)) return place.cell;
    }
    return {};
}

}  // namespace quorvel::phone
