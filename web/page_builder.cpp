#include "web/page_builder.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "calc/units.h"
#include "frontend/window_layout.h"

namespace quorvel {
namespace {

using emscripten::val;
using layout::Pixels;

std::string Px(int twips) { return std::to_string(Pixels(twips)) + "px"; }

std::string Colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb));
    return text;
}

std::string Number(double value) {
    char text[24];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Text fit for an attribute or an element's content.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// Verdana where it is installed, else the sans-serif the window falls back on.
std::string FontOf(layout::Font font) {
    const layout::Typeface face = layout::TypefaceOf(font);
    return std::string(face.bold ? "bold " : "") + Number(face.points) + "pt " + std::string(layout::kFontFamily) +
           ", 'DejaVu Sans', sans-serif";
}

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
        markup_ += " " + std::string(name) + "=\"" + Escaped(value) + "\"";
        return *this;
    }
    Tag& Attribute(std::string_view name, double value) { return Attribute(name, Number(value)); }
    std::string Open() const { return markup_ + ">"; }
    std::string Empty() const { return markup_ + "/>"; }

private:
    std::string markup_;
};

std::string Element(std::string_view name, const Tag& tag, std::string_view content) {
    return tag.Open() + Escaped(content) + "</" + std::string(name) + ">";
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
            .Attribute("fill", Colour(item.colour))
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
        .Attribute("stroke", Colour(item.colour))
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
        case layout::Kind::frame: return {"div", "frame"};
        case layout::Kind::entry: return {"input", "entry"};
        case layout::Kind::result: return {"input", "result"};
        case layout::Kind::chooser: return {"select", "chooser"};
        case layout::Kind::button: return {"button", "button"};
        default: return {"div", "label"};
    }
}

// What a box too small for its text shows over it while the user is not
// selecting or scrolling through it: the beginning, "…" and the exponent,
// if the number has one, so that a cut number never passes for a whole one
// (filled by the field set, shown by the page's style).
std::string CutMark(const layout::Control& box) {
    const std::string style = "left:" + Px(box.left) + ";top:" + std::to_string(Pixels(box.top) + 1) +
                              "px;width:" + Px(box.width) + ";height:" + std::to_string(Pixels(box.height) - 2) +
                              "px;background-color:" + Colour(box.colour);
    return Tag("span").Attribute("class", "cut").Attribute("aria-hidden", "true").Attribute("style", style).Open() +
           Element("span", Tag("span").Attribute("class", "mantissa"), "") +
           Element("span", Tag("span").Attribute("class", "exponent"), "") + "</span>";
}

std::string Control(const layout::Control& control, const std::string& content) {
    using layout::Kind;
    const Html html = HtmlOf(control.kind);
    Tag tag(html.tag);
    tag.Attribute("id", ControlName(control.name, control.index)).Attribute("class", html.css_class);

    std::string style = "left:" + Px(control.left) + ";top:" + Px(control.top) + ";width:" + Px(control.width) +
                        ";height:" + Px(control.height);
    if (control.colour != layout::kNoColour) style += ";background-color:" + Colour(control.colour);
    if (control.kind == Kind::label) {
        style += ";justify-content:" + std::string(AlignOf(control.align, true)) + ";font:" + FontOf(control.font);
    }
    if (control.kind == Kind::entry || control.kind == Kind::result) {
        style += ";text-align:" + std::string(AlignOf(control.align, false));
        tag.Attribute("type", "text").Attribute("value", control.text).Attribute("spellcheck", "false");
        tag.Attribute("autocomplete", "off");
    }
    if (control.kind == Kind::result) tag.Attribute("readonly", "");
    if (control.kind == Kind::button) tag.Attribute("type", "button");
    if (control.kind == Kind::frame) tag.Attribute("role", "group");
    tag.Attribute("style", style);
    if (control.tab_index >= 0 && control.kind != Kind::frame && control.kind != Kind::label) {
        tag.Attribute("tabindex", control.tab_index + 1);  // 0 would mean the document's order
    }
    if (!control.spoken.name.empty()) tag.Attribute("aria-label", control.spoken.name);
    if (!control.spoken.description.empty()) tag.Attribute("aria-description", control.spoken.description);

    switch (control.kind) {
        case Kind::entry: return tag.Open();
        case Kind::result: return tag.Open() + CutMark(control);
        case Kind::frame:
        case Kind::chooser: return tag.Open() + content + "</" + html.tag + ">";
        default: return Element(html.tag, tag, control.text);
    }
}

std::string Options(const layout::Control& chooser) {
    std::string markup;
    for (const ChooserUnit& unit : ListOf(chooser.name == NameOf(Field::cboIst) ? Field::cboIst : Field::cboRs)) {
        markup += Element("option", Tag("option"), unit.word);
    }
    return markup;
}

// The frame's drawing lies beneath its boxes, whatever the table's order.
std::string Markup() {
    const layout::Control* frame = nullptr;
    std::string drawing, in_frame, on_window;
    for (const auto& control : layout::kControls) {
        if (control.kind == layout::Kind::frame) {
            frame = &control;
        } else if (control.kind == layout::Kind::line || control.kind == layout::Kind::dot) {
            drawing += Drawing(control);
        } else {
            const std::string content = control.kind == layout::Kind::chooser ? Options(control) : std::string();
            (control.container == layout::Container::frmQuorvel ? on_window : in_frame) += Control(control, content);
        }
    }
    const std::string svg = Tag("svg")
                                .Attribute("width", Pixels(frame->width))
                                .Attribute("height", Pixels(frame->height))
                                .Attribute("aria-hidden", "true")
                                .Open() +
                            Border(*frame) + drawing + "</svg>";
    const std::string style = "width:" + Px(layout::kClientWidth) + ";height:" + Px(layout::kClientHeight) +
                              ";background-color:" + Colour(layout::kBackground) +
                              ";font:" + FontOf(layout::Font::window);
    return Tag("div").Attribute("id", "frmQuorvel").Attribute("class", "calculator").Attribute("style", style).Open() +
           Control(*frame, svg + in_frame) + on_window + "</div>";
}

}  // namespace

// Parsed at once from markup: far quicker than an element at a time.
val BuildCalculator(const val& document) {
    val holder = document.call<val>("createElement", std::string("div"));
    holder.set("innerHTML", Markup());
    val calculator = holder["firstElementChild"];
    const val choosers = calculator.call<val>("querySelectorAll", std::string("select"));
    for (int i = 0, count = choosers["length"].as<int>(); i < count; ++i) {
        choosers[i].set("selectedIndex", -1);  // no unit until the load event picks one
    }
    return calculator;
}

}  // namespace quorvel
