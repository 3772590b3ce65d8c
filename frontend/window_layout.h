#pragma once

// The window frmQuorvel as data: every control in creation order, with its
// kind, container, place and size (in twips), colour, creation text and what
// a screen reader says of it. Each front end builds its window from this
// table, and draws its lines and dots; no toolkit is needed to read it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "frontend/control_name.h"

namespace quorvel::layout {

enum class Kind {
    frame,    // the framed circuit drawing
    entry,    // editable text box
    chooser,  // drop-down list, pick only
    result,   // read-only text box without a border
    label,    // caption standing on its container's colour
    button,
    line,     // drawn from (left, top) to (left + width, top + height)
    dot,      // filled circle in the box (left, top, width, height)
};

enum class Container { frmQuorvel, fraSerie };  // the window, or the frame on it
enum class Align { left, centre, right };
enum class Font {
    window,     // Verdana 9.75 pt
    caption,    // Verdana 8.25 pt
    signature,  // Verdana 12 pt bold
};

inline constexpr std::string_view kFontFamily = "Verdana";

struct Typeface {
    double points;
    bool bold = false;
};

constexpr Typeface TypefaceOf(Font font) {
    switch (font) {
        case Font::caption: return {8.25};
        case Font::signature: return {12, true};
        default: return {9.75};
    }
}

inline constexpr std::uint32_t kNoColour = 0xFFFFFFFF;
inline constexpr std::uint32_t kGreen = 0xC0FFC0;   // what the user types
inline constexpr std::uint32_t kYellow = 0xFFFF80;  // computed numbers
inline constexpr std::uint32_t kGrey = 0xE0E0E0;    // the window, the frame, unit words
inline constexpr std::uint32_t kBlue = 0x8080FF;    // dimension brackets
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kTextColour = kBlack;  // the platform's, in its standard scheme

// What a screen reader says of a control beyond its text: the accessible name
// and description, in Romanian like the window. An empty name leaves the
// toolkit's own, a label's caption. The description is made from its
// pattern (DescriptionOf): "{units}" stands for the units the control shows
// or offers, "{limit}" for its typed limit in words ("6 caractere") and
// "{default units}" for the units the clear button puts back.
struct Spoken {
    std::string_view name;
    std::string_view pattern;
};

// The characters the user may type into a resistor entry.
inline constexpr int kTypedLimit = 6;

struct Control {
    std::string_view name;
    int index;  // element of a control array, or -1
    Kind kind;
    Container container;
    int left, top, width, height;  // twips; 15 twips make a pixel at 96 dpi
    std::uint32_t colour;          // background; for lines and dots the ink
    std::string_view text = {};    // creation text or caption
    Align align = Align::left;
    Font font = Font::window;
    int tab_index = -1;   // -1: takes no focus
    Spoken spoken = {};
    int max_typed = 0;    // characters the user may type or paste; 0: no limit
    int line_width = 1;   // pixels, for lines
};

inline constexpr auto kControls = [] {
    using enum Kind;
    using enum Container;
    using enum Align;
    using enum Font;
    using enum Field;
    constexpr auto F = NameOf;
    auto controls = std::to_array<Control>({
        // name       index kind     container      left    top  width height colour     caption (a field's: its own) align font tab
        //     {spoken name, spoken description's pattern}, typed limit, line width
        {"fraSerie",      -1, frame,    frmQuorvel,     120,   120,  11655,  2655, kGrey,      "",                    left,    window, 11,
            {"Circuit serie cu patru rezistențe", "Schema circuitului, cu valorile introduse și rezultatele calculate după fiecare modificare"}},
        {F(txtRs),       0, entry,    fraSerie,       600,   780,    855,   360, kGreen,     {},                    right,   window, 0,
            {"Rezistența 1", "Valoarea rezistenței 1, în unitatea aleasă alături; cel mult {limit}; săgețile sus și jos trec la valoarea standard următoare din seria E24, iar cu Ctrl din seria E96"}, kTypedLimit},
        {F(cboRs),       0, chooser,  fraSerie,      1440,   780,   1095,   360, kNoColour,  "",                    left,    window, 1,
            {"Unitatea rezistenței 1", "Unitatea de măsură a rezistenței 1: {units}"}},
        {F(txtRs),       1, entry,    fraSerie,      2640,   780,    855,   360, kGreen,     {},                    right,   window, 2,
            {"Rezistența 2", "Valoarea rezistenței 2, în unitatea aleasă alături; cel mult {limit}; săgețile sus și jos trec la valoarea standard următoare din seria E24, iar cu Ctrl din seria E96"}, kTypedLimit},
        {F(cboRs),       1, chooser,  fraSerie,      3480,   780,   1095,   360, kNoColour,  "",                    left,    window, 3,
            {"Unitatea rezistenței 2", "Unitatea de măsură a rezistenței 2: {units}"}},
        {F(txtRs),       2, entry,    fraSerie,      4680,   780,    855,   360, kGreen,     {},                    right,   window, 4,
            {"Rezistența 3", "Valoarea rezistenței 3, în unitatea aleasă alături; cel mult {limit}; săgețile sus și jos trec la valoarea standard următoare din seria E24, iar cu Ctrl din seria E96"}, kTypedLimit},
        {F(cboRs),       2, chooser,  fraSerie,      5520,   780,   1095,   360, kNoColour,  "",                    left,    window, 5,
            {"Unitatea rezistenței 3", "Unitatea de măsură a rezistenței 3: {units}"}},
        {F(txtRs),       3, entry,    fraSerie,      6720,   780,    855,   360, kGreen,     {},                    right,   window, 6,
            {"Rezistența 4", "Valoarea rezistenței 4, în unitatea aleasă alături; cel mult {limit}; săgețile sus și jos trec la valoarea standard următoare din seria E24, iar cu Ctrl din seria E96"}, kTypedLimit},
        {F(cboRs),       3, chooser,  fraSerie,      7560,   780,   1095,   360, kNoColour,  "",                    left,    window, 7,
            {"Unitatea rezistenței 4", "Unitatea de măsură a rezistenței 4: {units}"}},
        {F(txtRst),     -1, result,   fraSerie,      4800,   300,   1095,   375, kYellow,    "",                    right,   window, 32,
            {"Rezistența totală", "Suma celor patru rezistențe, în unitatea scrisă alături"}},
        {F(txtUs),       0, result,   fraSerie,       600,  1200,    855,   360, kYellow,    "",                    right,   window, 31,
            {"Căderea de tensiune pe rezistența 1", "Tensiunea calculată pe rezistența 1, în unitatea din câmpul alăturat"}},
        {F(txtUMUs),     0, result,   fraSerie,      1440,  1200,    615,   375, kGrey,      "",                    left,    window, 30,
            {"Unitatea căderii de tensiune pe rezistența 1", "Unitatea de măsură a tensiunii pe rezistența 1: {units}"}},
        {F(txtUs),       1, result,   fraSerie,      2640,  1200,    855,   360, kYellow,    "",                    right,   window, 29,
            {"Căderea de tensiune pe rezistența 2", "Tensiunea calculată pe rezistența 2, în unitatea din câmpul alăturat"}},
        {F(txtUMUs),     1, result,   fraSerie,      3480,  1200,    615,   375, kGrey,      "",                    left,    window, 28,
            {"Unitatea căderii de tensiune pe rezistența 2", "Unitatea de măsură a tensiunii pe rezistența 2: {units}"}},
        {F(txtUs),       2, result,   fraSerie,      4680,  1200,    855,   360, kYellow,    "",                    right,   window, 27,
            {"Căderea de tensiune pe rezistența 3", "Tensiunea calculată pe rezistența 3, în unitatea din câmpul alăturat"}},
        {F(txtUMUs),     2, result,   fraSerie,      5520,  1200,    615,   375, kGrey,      "",                    left,    window, 26,
            {"Unitatea căderii de tensiune pe rezistența 3", "Unitatea de măsură a tensiunii pe rezistența 3: {units}"}},
        {F(txtUs),       3, result,   fraSerie,      6720,  1200,    855,   360, kYellow,    "",                    right,   window, 25,
            {"Căderea de tensiune pe rezistența 4", "Tensiunea calculată pe rezistența 4, în unitatea din câmpul alăturat"}},
        {F(txtUMUs),     3, result,   fraSerie,      7560,  1200,    615,   375, kGrey,      "",                    left,    window, 24,
            {"Unitatea căderii de tensiune pe rezistența 4", "Unitatea de măsură a tensiunii pe rezistența 4: {units}"}},
        {F(txtPs),       0, result,   fraSerie,       600,  1560,    855,   375, kYellow,    "",                    right,   window, 23,
            {"Puterea pe rezistența 1", "Puterea calculată disipată pe rezistența 1, în unitatea din câmpul alăturat"}},
        {F(txtUMPs),     0, result,   fraSerie,      1440,  1560,    615,   375, kGrey,      "",                    left,    window, 22,
            {"Unitatea puterii pe rezistența 1", "Unitatea de măsură a puterii pe rezistența 1: {units}"}},
        {F(txtPs),       1, result,   fraSerie,      2640,  1560,    855,   375, kYellow,    "",                    right,   window, 21,
            {"Puterea pe rezistența 2", "Puterea calculată disipată pe rezistența 2, în unitatea din câmpul alăturat"}},
        {F(txtUMPs),     1, result,   fraSerie,      3480,  1560,    615,   375, kGrey,      "",                    left,    window, 20,
            {"Unitatea puterii pe rezistența 2", "Unitatea de măsură a puterii pe rezistența 2: {units}"}},
        {F(txtPs),       2, result,   fraSerie,      4680,  1560,    855,   375, kYellow,    "",                    right,   window, 19,
            {"Puterea pe rezistența 3", "Puterea calculată disipată pe rezistența 3, în unitatea din câmpul alăturat"}},
        {F(txtUMPs),     2, result,   fraSerie,      5520,  1560,    615,   375, kGrey,      "",                    left,    window, 18,
            {"Unitatea puterii pe rezistența 3", "Unitatea de măsură a puterii pe rezistența 3: {units}"}},
        {F(txtPs),       3, result,   fraSerie,      6720,  1560,    855,   375, kYellow,    "",                    right,   window, 17,
            {"Puterea pe rezistența 4", "Puterea calculată disipată pe rezistența 4, în unitatea din câmpul alăturat"}},
        {F(txtUMPs),     3, result,   fraSerie,      7560,  1560,    615,   375, kGrey,      "",                    left,    window, 16,
            {"Unitatea puterii pe rezistența 4", "Unitatea de măsură a puterii pe rezistența 4: {units}"}},
        {F(txtIst),     -1, entry,    fraSerie,      9120,   780,    855,   375, kGreen,     {},                    right,   window, 8,
            {"Curentul în circuit", "Valoarea curentului prin cele patru rezistențe, în unitatea aleasă alături"}},
        {F(cboIst),     -1, chooser,  fraSerie,      9960,   780,   1095,   360, kNoColour,  "",                    left,    window, 9,
            {"Unitatea curentului", "Unitatea de măsură a curentului: {units}"}},
        {F(txtPst),     -1, result,   fraSerie,      9120,  1560,    855,   360, kYellow,    "",                    right,   window, 15,
            {"Puterea totală", "Puterea calculată disipată pe toate cele patru rezistențe, în unitatea din câmpul alăturat"}},
        {F(txtUMpst),   -1, result,   fraSerie,      9960,  1560,    615,   375, kGrey,      "",                    left,    window, 14,
            {"Unitatea puterii totale", "Unitatea de măsură a puterii totale: {units}"}},
        {F(txtUst),     -1, result,   fraSerie,      5040,  2167,    855,   360, kYellow,    "",                    right,   window, 13,
            {"Căderea de tensiune totală", "Tensiunea calculată pe toate cele patru rezistențe, în unitatea din câmpul alăturat"}},
        {F(txtUMUst),   -1, result,   fraSerie,      5880,  2160,    615,   375, kGrey,      "",                    left,    window, 12,
            {"Unitatea căderii de tensiune totale", "Unitatea de măsură a tensiunii totale: {units}"}},
        {"linS3",          3, line,     fraSerie,      6960,   480,   1800,     0, kBlue},
        {"linS3",          2, line,     fraSerie,       360,   480,   1800,     0, kBlue},
        {"linS2",          3, line,     fraSerie,      8760,   480,      0,   120, kBlue},
        {"linS2",          2, line,     fraSerie,       360,   480,      0,   120, kBlue},
        {F(lblUMs),     -1, label,    fraSerie,      6120,   360,    435,   240, kNoColour,  {},                    left,    window, 39,
            {{}, "Unitatea rezistenței totale"}},
        {"Line3",         -1, line,     fraSerie,       120,   960,  11280,     0, kBlack,     "",                    left,    window, -1, {}, 0, 2},
        {"shaDot",         2, dot,      fraSerie,       360,   900,    135,   135, kBlack},
        {"shaDot",         3, dot,      fraSerie,      8760,   900,    135,   135, kBlack},
        {"lblEticheteS",   0, label,    fraSerie,      2955,   360,   1800,   240, kNoColour,  "Rezistentă totală:",  centre,  window, 38},
        {"lblEticheteS",   1, label,    fraSerie,       300,  1260,    150,   240, kNoColour,  "U",                   centre,  window, 37},
        {"lblEticheteS",   2, label,    fraSerie,       315,  1620,    120,   240, kNoColour,  "P",                   centre,  window, 36},
        {"lblEticheteS",   3, label,    fraSerie,      2580,  2250,   2220,   195, kNoColour,  "Cădere de tensiune totală", centre, caption, 35},
        {"lblEticheteS",   4, label,    fraSerie,      9360,  2040,   1110,   195, kNoColour,  "Putere totală",       centre,  caption, 34},
        {"lblEticheteS",   5, label,    fraSerie,      9360,  1200,   1530,   195, kNoColour,  "Curentul în circuit", centre,  caption, 33},
        {"linS2",          0, line,     fraSerie,       360,  2040,      0,   360, kBlue},
        {"linS2",          1, line,     fraSerie,      8760,  2040,      0,   360, kBlue},
        {"linS3",          0, line,     fraSerie,       360,  2400,   1800,     0, kBlue},
        {"linS3",          1, line,     fraSerie,      6960,  2400,   1800,     0, kBlue},
        // The spoken name has the "Ș" the caption goes without, so that speech pronounces it.
        {"cmdClear",      -1, button,   frmQuorvel,   10320,  2880,   1455,   375, kGrey,      "Sterge valori",       centre,  window, 10,
            {"Șterge valori", "Pune rezistențele și curentul înapoi pe 0, cu unitățile {default units}"}},
        {"lblVelmar",     -1, label,    frmQuorvel,     240,  2880,    900,   270, kNoColour,  "Velmar",              left,    signature, 40},
    });
    // A field's control starts with the field's creation text.
    for (Control& control : controls) {
        for (const FieldInfo& info : kFields) {
            if (info.name == control.name) control.text = info.created;
        }
    }
    return controls;
}();

// The window itself.
inline constexpr std::string_view kTitle = " Quorvel ";
inline constexpr int kClientWidth = 11910;
inline constexpr int kClientHeight = 3375;
inline constexpr std::uint32_t kBackground = kGrey;

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest.
constexpr int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// The control of that name and array element (-1: none), or nullptr.
constexpr const Control* Find(std::string_view name, int index = -1) {
    for (const auto& control : kControls) {
        if (control.name == name && control.index == index) return &control;
    }
    return nullptr;
}

// The controls that show no field, by what they are.
enum class Caption { total_resistance, drops, powers, total_voltage, total_power, current };  // lblEticheteS(i)
constexpr const Control& CaptionOf(Caption caption) { return *Find("lblEticheteS", static_cast<int>(caption)); }
constexpr const Control& Frame() { return *Find("fraSerie"); }
constexpr const Control& ClearButton() { return *Find("cmdClear"); }

// What a screen reader hears of a control beyond its name, made from its
// pattern; empty where it has none.
std::string_view DescriptionOf(const Control& control);

// The controls that take the focus, in the window's tab order; the frame
// and the labels never take it.
inline std::vector<const Control*> TabOrder() {
    std::vector<const Control*> controls;
    for (const auto& control : kControls) {
        if (control.tab_index >= 0 && control.kind != Kind::frame && control.kind != Kind::label) {
            controls.push_back(&control);
        }
    }
    std::sort(controls.begin(), controls.end(), [](const auto* a, const auto* b) { return a->tab_index < b->tab_index; });
    return controls;
}

// Each field element's control, found once.
inline constexpr auto kControlOfField = [] {
    std::array<std::array<const Control*, kResistorCount>, kFieldCount> controls{};
    for (const FieldInfo& info : kFields) {
        for (int i = 0; i < info.count; ++i) {
            controls[static_cast<std::size_t>(info.field)][static_cast<std::size_t>(i)] =
                Find(info.name, ElementOf(info.field, i));
        }
    }
    return controls;
}();

// The control of a field's element.
constexpr const Control& ControlOf(Field field, int index = 0) {
    return *kControlOfField[static_cast<std::size_t>(field)][static_cast<std::size_t>(index)];
}

inline constexpr int kControlCount = static_cast<int>(kControls.size());

// A control's place in the table, 0 to kControlCount - 1, for a front end's
// arrays of widgets.
inline int IndexOf(const Control& control) { return static_cast<int>(&control - kControls.data()); }

// The control a name names, "txtRs(0)" or "cmdClear", or nullptr.
constexpr const Control* ControlNamed(std::string_view control_name) {
    int index = -1;
    if (control_name.size() > 3 && control_name.ends_with(')') && control_name[control_name.size() - 3] == '(') {
        const char digit = control_name[control_name.size() - 2];
        if (digit < '0' || digit > '9') return nullptr;
        index = digit - '0';
        control_name.remove_suffix(3);
    }
    return Find(control_name, index);
}

// The field a control shows, with its element; none for the frame, the
// button and the captions.
constexpr std::optional<FieldElement> FieldOf(const Control& control) {
    for (const FieldInfo& info : kFields) {
        if (info.name == control.name) return FieldElement{info.field, control.index < 0 ? 0 : control.index};
    }
    return std::nullopt;
}

}  // namespace quorvel::layout
