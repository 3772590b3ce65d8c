#pragma once

// Where each control stands on a narrow screen: a cell of a grid of four
// columns (value, unit, value, unit), a row at a time: the resistors, each
// a group of rows under its name, then the current, the totals and the
// button. The circuit drawing is left out.

#include <array>
#include <string_view>

#include "calc/fields.h"
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

// Each resistor's rows: its name, its value and unit, its voltage drop and
// power. The U and P headings stand between the first resistor's value and
// its drops, over the columns every resistor's drops stand in.
struct ResistorRows {
    int name, value, drops;
};
inline constexpr std::array<ResistorRows, kResistorCount> kResistorRows{{{1, 2, 4}, {5, 6, 7}, {8, 9, 10}, {11, 12, 13}}};

struct ResistorPlace {
    std::string_view name;
    int ResistorRows::*row;
    int column, span;
};

inline constexpr ResistorPlace kResistorPlaces[] = {
    {"txtRs", &ResistorRows::value, 1, 2}, {"cboRs", &ResistorRows::value, 3, 2},
    {"txtUs", &ResistorRows::drops, 1, 1}, {"txtUMUs", &ResistorRows::drops, 2, 1},
    {"txtPs", &ResistorRows::drops, 3, 1}, {"txtUMPs", &ResistorRows::drops, 4, 1},
};

inline constexpr Place kPlaces[] = {
    {"lblEticheteS(1)", {3, 1, 2}},  {"lblEticheteS(2)", {3, 3, 2}},  // "U" and "P" over the drops
    {"lblEticheteS(5)", {14, 1, 4}}, {"txtIst", {15, 1, 2}},  {"cboIst", {15, 3, 2}},
    {"lblEticheteS(0)", {16, 1, 2}}, {"txtRst", {16, 3, 1}},  {"lblUMs", {16, 4, 1}},
    {"lblEticheteS(3)", {17, 1, 2}}, {"txtUst", {17, 3, 1}},  {"txtUMUst", {17, 4, 1}},
    {"lblEticheteS(4)", {18, 1, 2}}, {"txtPst", {18, 3, 1}},  {"txtUMpst", {18, 4, 1}},
    {"cmdClear", {19, 1, 4}},
};

// A resistor's name, over its value: as a screen reader names its entry.
inline Cell NameCell(int resistor) { return {kResistorRows[static_cast<std::size_t>(resistor)].name, 1, 4}; }

inline Cell CellOf(const layout::Control& control) {
    for (const ResistorPlace& place : kResistorPlaces) {
        if (place.name == control.name) {
            return {kResistorRows[static_cast<std::size_t>(control.index)].*place.row, place.column, place.span};
        }
    }
    for (const Place& place : kPlaces) {
        if (place.name == ControlName(control.name, control.index)) return place.cell;
    }
    return {};
}

}  // namespace quorvel::phone
