#include "web/page_builder.h"

#include <cstdio>
#include <string>

#include "calc/fields.h"
#include "calc/units.h"
#include "events/window_layout.h"

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

// Verdana where it is installed, else the sans-serif the window falls back on.
std::string FontOf(layout::Font font) {
    const layout::Typeface face = layout::TypefaceOf(font);
    char size[16];
    std::snprintf(size, sizeof size, "%gpt ", face.points);
    return std::string(face.bold ? "bold " : "") + size + std::string(layout::kFontFamily) +
           ", \"DejaVu Sans\", sans-serif";
}

const char* JustifyOf(layout::Align align) {
    switch (align) {
        case layout::Align::centre: return "center";
        case layout::Align::right: return "flex-end";
        default: return "flex-start";
    }
}

const char* TextAlignOf(layout::Align align) {
    switch (align) {
        case layout::Align::centre: return "center";
        case layout::Align::right: return "right";
        default: return "left";
    }
}

class Builder {
public:
    explicit Builder(const val& document) : document_(document) {}

    val Build() {
        root_ = Element("div", "calculator");
        root_.set("id", std::string("frmQuorvel"));
        root_["style"].set("cssText", "width:" + Px(layout::kClientWidth) + ";height:" + Px(layout::kClientHeight) +
                                          ";background-color:" + Colour(layout::kBackground) +
                                          ";font:" + FontOf(layout::Font::window));
        for (const auto& control : layout::kControls) Add(control);
        return root_;
    }

private:
    val Element(const char* tag, const char* css_class) const {
        val element = document_.call<val>("createElement", std::string(tag));
        element.set("className", std::string(css_class));
        return element;
    }

    val Svg(const char* tag) const {
        return document_.call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"), std::string(tag));
    }

    static void Attribute(val& element, const char* name, const std::string& value) {
        element.call<void>("setAttribute", std::string(name), value);
    }

    void Add(const layout::Control& control) {
        using layout::Kind;
        if (control.kind == Kind::line || control.kind == Kind::dot) return Draw(control);

        val element = Create(control);
        element.set("id", layout::ControlName(control.name, control.index));
        std::string css = "left:" + Px(control.left) + ";top:" + Px(control.top) + ";width:" + Px(control.width) +
                          ";height:" + Px(control.height);
        if (control.colour != layout::kNoColour) css += ";background-color:" + Colour(control.colour);
        if (control.kind == Kind::label) {
            css += ";justify-content:" + std::string(JustifyOf(control.align)) + ";font:" + FontOf(control.font);
        } else if (control.kind == Kind::entry || control.kind == Kind::result) {
            css += ";text-align:" + std::string(TextAlignOf(control.align));
        }
        element["style"].set("cssText", css);
        if (control.tab_index >= 0 && control.kind != Kind::frame && control.kind != Kind::label) {
            element.set("tabIndex", control.tab_index + 1);  // 0 would mean the document's order
        }
        if (!control.spoken.name.empty()) Attribute(element, "aria-label", std::string(control.spoken.name));
        if (!control.spoken.description.empty()) {
            Attribute(element, "aria-description", std::string(control.spoken.description));
        }
        (control.container == layout::Container::window ? root_ : frame_).call<void>("append", element);
    }

    val Create(const layout::Control& control) {
        using layout::Kind;
        switch (control.kind) {
            case Kind::frame: {
                frame_ = Element("div", "frame");
                Attribute(frame_, "role", "group");
                drawing_ = Svg("svg");
                Attribute(drawing_, "width", std::to_string(Pixels(control.width)));
                Attribute(drawing_, "height", std::to_string(Pixels(control.height)));
                DrawBorder(control);
                frame_.call<void>("append", drawing_);
                return frame_;
            }
            case Kind::entry:
            case Kind::result: {
                val box = Element("input", control.kind == Kind::entry ? "entry" : "result");
                box.set("type", std::string("text"));
                box.set("value", std::string(control.text));
                box.set("readOnly", control.kind == Kind::result);
                box.set("spellcheck", false);
                box.set("autocomplete", std::string("off"));
                return box;
            }
            case Kind::chooser: {
                val chooser = Element("select", "chooser");
                const Field field = control.name == NameOf(Field::cboIst) ? Field::cboIst : Field::cboRs;
                for (std::string_view item : ListOf(field)) {
                    val option = document_.call<val>("createElement", std::string("option"));
                    option.set("textContent", std::string(item));
                    chooser.call<void>("append", option);
                }
                chooser.set("selectedIndex", -1);  // no unit until the load event picks one
                return chooser;
            }
            case Kind::button: {
                val button = Element("button", "button");
                button.set("type", std::string("button"));
                button.set("textContent", std::string(control.text));
                return button;
            }
            default: {
                val label = Element("div", "label");
                label.set("textContent", std::string(control.text));
                return label;
            }
        }
    }

    // The group box's etched edge: a dark rectangle with a light one a pixel
    // below and right of it.
    void DrawBorder(const layout::Control& frame) {
        const std::string width = std::to_string(Pixels(frame.width) - 2);
        const std::string height = std::to_string(Pixels(frame.height) - 2);
        for (const auto& [offset, colour] : {std::pair{"1.5", "#FFFFFF"}, std::pair{"0.5", "#9F9F9F"}}) {
            val rect = Svg("rect");
            Attribute(rect, "x", offset);
            Attribute(rect, "y", offset);
            Attribute(rect, "width", width);
            Attribute(rect, "height", height);
            Attribute(rect, "fill", "none");
            Attribute(rect, "stroke", colour);
            drawing_.call<void>("append", rect);
        }
    }

    // A line of odd width lies on the middle of its pixel row, as the
    // window's aliased pen covers that row.
    void Draw(const layout::Control& item) {
        val shape = Svg(item.kind == layout::Kind::line ? "line" : "circle");
        shape.set("id", layout::ControlName(item.name, item.index));
        const std::string ink = Colour(item.colour);
        if (item.kind == layout::Kind::line) {
            const double middle = item.line_width % 2 ? 0.5 : 0;
            const auto at = [middle](int twips, bool across) {
                return std::to_string(Pixels(twips) + (across ? middle : 0));
            };
            const bool horizontal = item.height == 0;
            Attribute(shape, "x1", at(item.left, !horizontal));
            Attribute(shape, "y1", at(item.top, horizontal));
            Attribute(shape, "x2", at(item.left + item.width, !horizontal));
            Attribute(shape, "y2", at(item.top + item.height, horizontal));
            Attribute(shape, "stroke", ink);
            Attribute(shape, "stroke-width", std::to_string(item.line_width));
            Attribute(shape, "shape-rendering", "crispEdges");
        } else {
            const double radius = Pixels(item.width) / 2.0;
            Attribute(shape, "cx", std::to_string(Pixels(item.left) + radius));
            Attribute(shape, "cy", std::to_string(Pixels(item.top) + radius));
            Attribute(shape, "r", std::to_string(radius));
            Attribute(shape, "fill", ink);
        }
        drawing_.call<void>("append", shape);
    }

    val document_;
    val root_ = val::undefined();
    val frame_ = val::undefined();
    val drawing_ = val::undefined();
};

}  // namespace

val BuildCalculator(const val& document) { return Builder(document).Build(); }

}  // namespace quorvel
