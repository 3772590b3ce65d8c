#include "frontend/control_name.h"
#include "web/page_markup.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "calc/units.h"
#include "frontend/entry_description.h"
#include "frontend/html_escape.h"
#include "frontend/part_picker.h"
#include "frontend/texts.h"
#include "frontend/tolerance.h"
#include "frontend/window_keys.h"
#include "frontend/window_layout.h"
#include "web/phone_layout.h"

namespace quorvel {
namespace {

using layout::Pixels;

std::string Px(int twips) { return std::to_string(Pixels(twips)) + "px"; }

std::string Number(double value) {
    char text[24];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Verdana where it is installed, else the sans-serif the window falls back on.
std::string Family() { return std::string(layout::kFontFamily) + ", 'DejaVu Sans', sans-serif"; }

const char* AlignOf(layout::Align align, bool flex) {
    switch (align) {
        case layout::Align::centre: return "center";
        case layout::Align::right: return flex ? "flex-end" : "right";
        default: return flex ? "flex-start" : "left";
    }
}

// An element's start tag, its attributes added one at a time.
class Tag {
public:
    explicit Tag(std::string_view name) : markup_("<" + std::string(name)) {}
    Tag& Attribute(std::string_view name, std::string_view value) {
        markup_ += " " + std::string(name) + "=\"" + HtmlEscaped(value) + "\"";
        return *this;
    }
    Tag& Attribute(std::string_view name, double value) { return Attribute(name, Number(value)); }
    std::string Open() const { return markup_ + ">"; }
    std::string Empty() const { return markup_ + "/>"; }

private:
    std::string markup_;
};

std::string Element(std::string_view name, const Tag& tag, std::string_view content) {
    return tag.Open() + HtmlEscaped(content) + "</" + std::string(name) + ">";
}

// Keys as ARIA names them: "Control+Shift+C".
std::string AriaKeys(Shortcut keys) {
    std::string named;
    if (keys.modifiers & kCtrlMask) named += "Control+";
    if (keys.modifiers & kAltMask) named += "Alt+";
    if (keys.modifiers & kShiftMask) named += "Shift+";
    return named + static_cast<char>(keys.key);
}

// The group box's etched edge: a dark rectangle with a light one a pixel
// below and right of it.
std::string Border(const layout::Control& frame) {
    std::string markup;
    for (const auto& [offset, colour] : {std::pair{1.5, "#FFFFFF"}, std::pair{0.5, "#9F9F9F"}}) {
        markup += Tag("rect")
                      .Attribute("x", offset)
                      .Attribute("y", offset)
                      .Attribute("width", Pixels(frame.width) - 2)
                      .Attribute("height", Pixels(frame.height) - 2)
                      .Attribute("fill", "none")
                      .Attribute("stroke", colour)
                      .Empty();
    }
    return markup;
}

// A line of odd width lies on the middle of its pixel row or column, which
// the window's aliased pen covers.
std::string Drawing(const layout::Control& item) {
    const std::string id = ControlName(item.name, item.index);
    if (item.kind == layout::Kind::dot) {
        const double radius = Pixels(item.width) / 2.0;
        return Tag("circle")
            .Attribute("id", id)
            .Attribute("cx", Pixels(item.left) + radius)
            .Attribute("cy", Pixels(item.top) + radius)
            .Attribute("r", radius)
            .Attribute("fill", CssColour(item.colour))
            .Empty();
    }
    const double middle = item.line_width % 2 ? 0.5 : 0;
    const bool horizontal = item.height == 0;
    return Tag("line")
        .Attribute("id", id)
        .Attribute("x1", Pixels(item.left) + (horizontal ? 0 : middle))
        .Attribute("y1", Pixels(item.top) + (horizontal ? middle : 0))
        .Attribute("x2", Pixels(item.left + item.width) + (horizontal ? 0 : middle))
        .Attribute("y2", Pixels(item.top + item.height) + (horizontal ? middle : 0))
        .Attribute("stroke", CssColour(item.colour))
        .Attribute("stroke-width", item.line_width)
        .Attribute("shape-rendering", "crispEdges")
        .Empty();
}

struct Html {
    const char* tag;
    const char* css_class;
};

Html HtmlOf(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::entry: return {"input", "entry"};
        case layout::Kind::result: return {"input", "result"};
        case layout::Kind::chooser: return {"select", "chooser"};
        case layout::Kind::button: return {"button", "button"};
        default: return {"div", "label"};
    }
}

// Where a control stands, as custom properties the page's style reads: its
// place and size in its element's parent (the frame's, for the button put in
// the frame), as the window shows it, with the boxes stacked in the order
// the window creates them, where they share an edge; and its cell on a
// narrow screen.
std::string Placed(const layout::Control& control, const layout::Control* moved_into) {
    const phone::Cell cell = phone::CellOf(control);
    const int left = control.left - (moved_into ? moved_into->left : 0);
    const int top = control.top - (moved_into ? moved_into->top : 0);
    const auto created = &control - layout::kControls.data();
    return "--x:" + Px(left) + ";--y:" + Px(top) + ";--w:" + Px(control.width) + ";--h:" + Px(control.height) +
           ";--z:" + std::to_string(created) +
           ";--row:" + std::to_string(cell.row) + ";--col:" + std::to_string(cell.column) +
           ";--span:" + std::to_string(cell.span);
}

// What a box too small for its text shows over it while the user is not
// selecting or scrolling through it: the text as the display rule cuts it,
// so that a cut number never passes for a whole one (filled by the field
// set, shown by the page's style). It stands where the box stands.
std::string CutMark(const std::string& placed, const layout::Control& box) {
    return Element("span",
                   Tag("span")
                       .Attribute("class", "cut")
                       .Attribute("aria-hidden", "true")
                       .Attribute("style", placed + ";background-color:" + CssColour(box.colour)),
                   "");
}

std::string Options(Field chooser, const std::string& shown) {
    std::string markup;
    for (const ChooserUnit& unit : ListOf(chooser)) {
        Tag option("option");
        if (unit.word == shown) option.Attribute("selected", "");
        markup += Element("option", option, unit.word);
    }
    return markup;
}

// A control with the text the field set shows in it.
std::string Control(const layout::Control& control, const layout::Control& frame, const FieldSet& shown) {
    using layout::Kind;
    const Html html = HtmlOf(control.kind);
    const std::string id = ControlName(control.name, control.index);
    const auto field = FieldNamed(id);
    const std::string text = field ? shown.Text(field->field, field->index) : std::string(control.text);
    Tag tag(html.tag);
    tag.Attribute("id", id).Attribute("class", html.css_class);

    const bool moved = control.container == layout::Container::frmQuorvel && control.kind != Kind::label;
    const std::string placed = Placed(control, moved ? &frame : nullptr);
    std::string style = placed;
    if (control.colour != layout::kNoColour) style += ";background-color:" + CssColour(control.colour);
    if (control.kind == Kind::label) {
        style += ";--justify:" + std::string(AlignOf(control.align, true)) + ";--font:" + FontOf(control.font) +
                 ";--phone-font:" + PhoneFontOf(control.font);
    }
    if (control.kind == Kind::entry || control.kind == Kind::result) {
        style += ";text-align:" + std::string(AlignOf(control.align, false));
        tag.Attribute("type", "text").Attribute("value", text).Attribute("spellcheck", "false");
    }
    // The browser neither offers earlier inputs nor puts any back on a reload,
    // which raises no event: the calculator starts from what it built, and
    // finds what the user did before it started in the page's log.
    if (control.kind == Kind::entry || control.kind == Kind::result || control.kind == Kind::chooser) {
        tag.Attribute("autocomplete", "off");
    }
    // Phones offer their keypad of digits and a decimal mark; any text may still be pasted.
    if (control.kind == Kind::entry) tag.Attribute("inputmode", "decimal");
    // A resistor entry is a spin button, whose value a screen reader hears
    // with its unit; the tooltip names the nearest standard values.
    if (field && field->field == Field::txtRs) {
        const EntryDescription described = DescribeResistor(shown, field->index);
        tag.Attribute("role", "spinbutton").Attribute("aria-valuetext", described.spoken);
        if (!described.tooltip.empty()) tag.Attribute("title", described.tooltip);
    }
    if (control.kind == Kind::result) tag.Attribute("readonly", "");
    if (control.kind == Kind::button) tag.Attribute("type", "button");
    tag.Attribute("style", style);
    // The button's name is its caption, which a screen reader must find in it.
    if (!control.spoken.name.empty() && control.kind != Kind::button) tag.Attribute("aria-label", control.spoken.name);
    if (const std::string_view said = layout::DescriptionOf(control); !said.empty()) tag.Attribute("aria-description", said);

    switch (control.kind) {
        case Kind::entry: return tag.Open();
        case Kind::result: return tag.Open() + CutMark(placed, control);
        case Kind::chooser: return tag.Open() + Options(field->field, text) + "</select>";
        default: return Element(html.tag, tag, text);
    }
}

// Each resistor's name over its group of rows on a narrow screen, as a
// screen reader names its entry; a tap on it puts the focus there. The
// window has none: its drawing places them.
std::string ResistorNames() {
    std::string markup;
    for (int i = 0; i < kResistorCount; ++i) {
        const phone::Cell cell = phone::NameCell(i);
        markup += Element("label",
                          Tag("label")
                              .Attribute("id", ControlName("lblNameRs", i))
                              .Attribute("class", "label name")
                              .Attribute("for", ControlName(Field::txtRs, i))
                              .Attribute("style", "--row:" + std::to_string(cell.row) + ";--col:" +
                                                      std::to_string(cell.column) + ";--span:" + std::to_string(cell.span) +
                                                      ";--phone-font:" + PhoneFontOf(layout::Font::caption, true)),
                          layout::ControlOf(Field::txtRs, i).spoken.name);
    }
    return markup;
}

// A row of a picker: its label and its control.
std::string Row(std::string_view label, const std::string& id, const std::string& control, bool hidden = false,
                std::string_view css_class = "picker-row") {
    Tag row("div");
    row.Attribute("class", css_class);
    if (hidden) row.Attribute("hidden", "");
    return row.Open() + Element("label", Tag("label").Attribute("for", id), label) + control + "</div>";
}

std::string Chooser(const std::string& id, const std::string& options) {
    return Tag("select").Attribute("id", id).Attribute("autocomplete", "off").Open() + options + "</select>";
}

// Four bands, the fifth, which only five have, hidden; each band's colours
// are written in when the picker first reads its entry, as the section opens.
std::string Picker(int resistor) {
    const std::string number = std::to_string(resistor + 1);
    std::string counts;
    for (const int count : kBandCounts) {
        Tag option("option");
        if (count == 4) option.Attribute("selected", "");
        counts += Element("option", option, BandCountText(count));
    }
    std::string markup = Tag("fieldset").Attribute("class", "picker").Open() +
                         Element("legend", Tag("legend"), texts::Filled(texts::kPickerTitle, number)) +
                         Row(texts::kBandCount, PartId(PartElement::band_count, resistor),
                             Chooser(PartId(PartElement::band_count, resistor), counts));
    for (int band = 0; band < kMostBands; ++band) {
        const std::string id = PartId(PartElement::band, resistor, band);
        const std::string swatch = Tag("span")
                                       .Attribute("id", PartId(PartElement::swatch, resistor, band))
                                       .Attribute("class", "swatch")
                                       .Attribute("aria-hidden", "true")
                                       .Open() + "</span>";
        markup += Row(texts::Filled(texts::kBand, std::to_string(band + 1)), id,
                      "<span class=\"band\">" + swatch + Chooser(id, Element("option", Tag("option"), texts::kNoColour)) +
                          "</span>",
                      band >= 4);
    }
    const std::string code = PartId(PartElement::code, resistor);
    markup += Row(texts::kSmdCode, code,
                  Tag("input")
                      .Attribute("id", code)
                      .Attribute("type", "text")
                      .Attribute("autocomplete", "off")
                      .Attribute("spellcheck", "false")
                      .Attribute("autocapitalize", "characters")
                      .Open());
    const std::string picked = PartId(PartElement::picked, resistor);
    markup += Row(texts::kPickedValue, picked, Tag("output").Attribute("id", picked).Attribute("aria-live", "polite").Open() + "</output>",
                  false, "picker-row picked");
    markup += Element("button",
                      Tag("button").Attribute("type", "button").Attribute("id", PartId(PartElement::put, resistor)).Attribute("disabled", ""),
                      texts::Filled(texts::kPutInto, number));
    return markup + "</fieldset>";
}

}  // namespace

std::string PartId(PartElement element, int resistor, int band) {
    static constexpr std::string_view kPrefixes[] = {"part", "cboBands", "cboBand", "shaBand", "txtCode", "lblPicked", "cmdPut"};
    std::string id = std::string(kPrefixes[static_cast<std::size_t>(element)]) + std::to_string(resistor + 1);
    if (element == PartElement::band || element == PartElement::swatch) id += "_" + std::to_string(band + 1);
    return id;
}

// Each resistor's block with its picker beside it, then the totals' block
// with the tolerance and the copy beside them. The circuit's tolerances are
// whole percents, written alike in every locale.
std::string PartsMarkup() {
    std::string markup =
        Tag("fieldset").Attribute("id", kPartsChoosersId).Attribute("class", "parts-body").Attribute("disabled", "").Open();
    const auto block = [](std::string_view id) { return Tag("div").Attribute("id", id).Attribute("class", "part-block").Open() + "</div>"; };
    for (int k = 0; k < kResistorCount; ++k) {
        markup += "<div class=\"part-row\">" + block(PartId(PartElement::block, k)) + Picker(k) + "</div>";
    }
    std::string tolerances;
    for (const Tolerance tolerance : kCircuitTolerances) {
        Tag option("option");
        if (tolerance == kStartTolerance) option.Attribute("selected", "");
        tolerances += Element("option", option, ToleranceText(tolerance, NumberLocale{}));
    }
    markup += "<div class=\"part-row\">" + block(kPartsTotalsId) + "<div class=\"parts-commands\">" +
              Row(texts::kTolerance, std::string(kToleranceId), Chooser(std::string(kToleranceId), tolerances)) +
              CommandButtonsMarkup(ButtonPlace::parts) + "</div></div>";
    return markup + "</fieldset>";
}

std::string SizeOf(layout::Font font) { return Number(layout::TypefaceOf(font).points) + "pt"; }

std::string FontOf(layout::Font font) {
    return std::string(layout::TypefaceOf(font).bold ? "bold " : "") + SizeOf(font) + " " + Family();
}

std::string PhoneFontOf(layout::Font font, bool bold) {
    const bool heavy = bold || layout::TypefaceOf(font).bold;
    return std::string(heavy ? "bold " : "") + std::to_string(phone::PhonePixels(font)) + "px " + Family();
}

std::string CssColour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb));
    return text;
}

std::string CommandButtonsMarkup(ButtonPlace place) {
    std::string markup;
    for (const CommandButton& button : kCommandButtons) {
        if (button.place != place) continue;
        const CommandInfo& info = InfoOf(button.command);
        Tag tag("button");
        tag.Attribute("type", "button").Attribute("id", button.id).Attribute("disabled", "");
        if (button.keys_told) tag.Attribute("aria-keyshortcuts", AriaKeys(info.keys));
        markup += Element("button", tag.Attribute("aria-description", info.said), info.caption) + "\n";
    }
    return markup;
}

// The frame holds its drawing, the controls in tab order (the button, which
// stands on the window, among them) and its captions; the signature stands
// below it.
std::string CalculatorMarkup(const FieldSet& shown) {
    const layout::Control& frame = layout::Frame();
    std::string drawing, controls, captions, on_window;
    for (const auto& control : layout::kControls) {
        if (control.kind == layout::Kind::line || control.kind == layout::Kind::dot) drawing += Drawing(control);
        if (control.kind != layout::Kind::label) continue;
        (control.container == layout::Container::frmQuorvel ? on_window : captions) += Control(control, frame, shown);
    }
    for (const layout::Control* control : layout::TabOrder()) controls += Control(*control, frame, shown);
    const std::string svg = Tag("svg")
                                .Attribute("width", Pixels(frame.width))
                                .Attribute("height", Pixels(frame.height))
                                .Attribute("aria-hidden", "true")
                                .Open() +
                            Border(frame) + drawing + "</svg>";
    const std::string style = "--w:" + Px(layout::kClientWidth) + ";--h:" + Px(layout::kClientHeight) +
                              ";background-color:" + CssColour(layout::kBackground) +
                              ";--font:" + FontOf(layout::Font::window);
    return Tag("div").Attribute("id", "frmQuorvel").Attribute("class", "calculator").Attribute("style", style).Open() +
           Tag("div")
               .Attribute("id", ControlName(frame.name))
               .Attribute("class", "frame")
               .Attribute("role", "group")
               .Attribute("aria-label", frame.spoken.name)
               .Attribute("aria-description", layout::DescriptionOf(frame))
               .Attribute("style", Placed(frame, nullptr) + ";background-color:" + CssColour(frame.colour))
               .Open() +
           svg + controls + captions + ResistorNames() + "</div>" + on_window + "</div>";
}

}  // namespace quorvel
