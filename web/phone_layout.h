#pragma once

// Where each control stands on a narrow screen, found by its row of the
// layout table: a cell of a grid of four columns (value, unit, value, unit),
// a row at a time: the resistors, each a group of rows under its name, then
// the current, the totals and the button. The circuit drawing is left out.
// And how large each of the layout's fonts is there.

#include <array>

#include "calc/fields.h"
#include "frontend/window_layout.h"

namespace quorvel::phone {

struct Cell {
    int row = 0;  // 0: none
    int column = 1;
    int span = 1;
};

struct Place {
    const layout::Control* control;
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
    Field field;
    int ResistorRows::*row;
    int column, span;
};

inline constexpr ResistorPlace kResistorPlaces[] = {
    {Field::txtRs, &ResistorRows::value, 1, 2}, {Field::cboRs, &ResistorRows::value, 3, 2},
    {Field::txtUs, &ResistorRows::drops, 1, 1}, {Field::txtUMUs, &ResistorRows::drops, 2, 1},
    {Field::txtPs, &ResistorRows::drops, 3, 1}, {Field::txtUMPs, &ResistorRows::drops, 4, 1},
};

using layout::Caption;
using layout::CaptionOf;
using layout::ControlOf;
inline constexpr Place kPlaces[] = {
    {&CaptionOf(Caption::drops), {3, 1, 2}},          {&CaptionOf(Caption::powers), {3, 3, 2}},  // over the drops
    {&CaptionOf(Caption::current), {14, 1, 4}},       {&ControlOf(Field::txtIst), {15, 1, 2}},
    {&ControlOf(Field::cboIst), {15, 3, 2}},
    {&CaptionOf(Caption::total_resistance), {16, 1, 2}}, {&ControlOf(Field::txtRst), {16, 3, 1}},
    {&ControlOf(Field::lblUMs), {16, 4, 1}},
    {&CaptionOf(Caption::total_voltage), {17, 1, 2}}, {&ControlOf(Field::txtUst), {17, 3, 1}},
    {&ControlOf(Field::txtUMUst), {17, 4, 1}},
    {&CaptionOf(Caption::total_power), {18, 1, 2}},   {&ControlOf(Field::txtPst), {18, 3, 1}},
    {&ControlOf(Field::txtUMpst), {18, 4, 1}},
    {&layout::ClearButton(), {19, 1, 4}},
};

// A resistor's name, over its value: as a screen reader names its entry.
inline Cell NameCell(int resistor) { return {kResistorRows[static_cast<std::size_t>(resistor)].name, 1, 4}; }

inline Cell CellOf(const layout::Control& control) {
    const auto element = layout::FieldOf(control);
    for (const ResistorPlace& place : kResistorPlaces) {
        if (element && element->field == place.field) {
            return {kResistorRows[static_cast<std::size_t>(element->index)].*place.row, place.column, place.span};
        }
    }
    for (const Place& place : kPlaces) {
        if (place.control == &control) return place.cell;
    }
    return {};
}

// The size of each of the layout's fonts on a narrow screen, in CSS pixels:
// large enough to read, none under 14.
constexpr int PhonePixels(layout::Font font) {
    switch (font) {
        case layout::Font::caption: return 14;
        default: return 16;
    }
}

}  // namespace quorvel::phone
