#include "frontend/control_name.h"
#include "web/web_field_set.h"

#include <algorithm>
#include <utility>

#include "calc/units.h"
#include "frontend/result_display.h"
#include "frontend/window_layout.h"
#include "web/browser_locale.h"

namespace quorvel {

using emscripten::val;

// The page as built shows the calculator loaded; the load event starts from
// the creation texts. What the user did before is in the page's log.
WebFieldSet::WebFieldSet(const val& document)
    : measure_(document.call<val>("createElement", std::string("canvas")).call<val>("getContext", std::string("2d"))) {
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            const layout::Control& control = layout::ControlOf(field, i);
            Box& box = boxes_(field, i);
            box.element = document.call<val>("getElementById", ControlName(field, i));
            box.before.assign(control.text.begin(), control.text.end());  // "0"
            box.description = control.spoken.description;
            switch (KindOf(field)) {
                case FieldKind::entry: box.element.set("value", std::string(control.text)); break;
                case FieldKind::chooser: box.element.set("selectedIndex", -1); break;
                default:
                    box.element.set(field == Field::lblUMs ? "textContent" : "value", std::string(control.text));
            }
        }
    }
}

const val& WebFieldSet::Element(Field field, int index) const { return boxes_(field, index).element; }

std::string WebFieldSet::ControlText(Field input, int index) const {
    return boxes_(input, index).element["value"].as<std::string>();  // a chooser without a pick: ""
}

bool WebFieldSet::WriteControl(Field input, int index, const std::string& text) {
    Touched(input, index);  // described again, if it changes, once the event is over
    Box& box = boxes_(input, index);
    if (KindOf(input) == FieldKind::chooser) {
        const auto units = ListOf(input);
        int item = -1;
        for (std::size_t k = 0; k < units.size(); ++k) {
            if (units[k].word == text) item = static_cast<int>(k);
        }
        if (box.element["selectedIndex"].as<int>() == item) return false;
        box.element.set("selectedIndex", item);
        return true;
    }
    if (box.element["value"].as<std::string>() == text) return false;
    box.element.set("value", text);  // never cut by the typed limit
    box.before = box.element["value"].as<std::u16string>();
    Fit(box);
    return true;
}

void WebFieldSet::SelectDefault(Field entry, int index) {
    const val& element = boxes_(entry, index).element;
    if (element.strictlyEquals(val::global("document")["activeElement"])) element.call<void>("select");
}

void WebFieldSet::Touched(Field input, int index) {
    if (input == Field::txtRs || input == Field::cboRs) undescribed_[static_cast<std::size_t>(index)] = true;
}

// Only what changed is read and described again: a keystroke reads no
// other resistor's entry or chooser.
void WebFieldSet::DescribeResistors() {
    const std::string point = Locale().DecimalPoint();
    if (point != described_point_) undescribed_.fill(true);
    described_point_ = point;
    for (int i = 0; i < kResistorCount; ++i) {
        if (!std::exchange(undescribed_[static_cast<std::size_t>(i)], false)) continue;
        const EntryDescription description = DescribeResistor(*this, i);
        val& element = boxes_(Field::txtRs, i).element;
        element.call<void>("setAttribute", std::string("aria-valuetext"), description.spoken);
        element.set("title", description.tooltip);
    }
}

std::string WebFieldSet::ListItem(Field chooser, int index, int item) const {
    return boxes_(chooser, index).element["options"][item]["text"].as<std::string>();
}

NumberLocale WebFieldSet::ReadLocale() const { return BrowserNumberLocale(); }

bool WebFieldSet::Edited(Field entry, int index, EntryInput input, std::u16string_view pasted) {
    Box& box = boxes_(entry, index);
    TypedText typed{box.element["value"].as<std::u16string>(), box.element["selectionStart"].as<int>()};
    const auto kept = EditedEntry({entry, index}, box.before, typed, input, pasted);
    // A refused edit leaves the text as it was, the caret before what it added.
    const int added = static_cast<int>(typed.text.size()) - static_cast<int>(box.before.size());
    const TypedText shown = kept ? *kept : TypedText{box.before, typed.caret - added};
    if (shown.text != typed.text) {
        box.element.set("value", shown.text);
        box.element.call<void>("setSelectionRange", shown.caret, shown.caret);
    }
    box.before = shown.text;
    return kept.has_value();
}

void WebFieldSet::FitEntry(Field entry, int index) { Fit(boxes_(entry, index)); }

void WebFieldSet::ShowBeginning(Field entry, int index) { boxes_(entry, index).element.set("scrollLeft", 0); }

// The window's entry lets a text too long for its margins use them, up to
// its frame; the page's, its padding.
void WebFieldSet::Fit(Box& box) {
    box.element.call<void>("removeAttribute", std::string("data-long"));
    const bool fits = box.element["scrollWidth"].as<int>() <= box.element["clientWidth"].as<int>();
    if (!fits) box.element.call<void>("setAttribute", std::string("data-long"), std::string());
}

void WebFieldSet::WriteResultBoxes(const std::vector<ChangedResult>& results) {
    for (const ChangedResult& result : results) {
        const Field unit = UnitOf(result.value);
        val& unit_element = boxes_(unit, result.index).element;
        const char* property = unit == Field::lblUMs ? "textContent" : "value";
        if (unit_element[property].as<std::string>() != result.unit) unit_element.set(property, std::string(result.unit));
        boxes_(result.value, result.index).element.set("value", std::string(result.text));
    }
    // Measured once all are written, so that the page is laid out once.
    for (const ChangedResult& result : results) Measure(result);
}

// The boxes take other sizes when the page changes layout.
void WebFieldSet::Relayout() {
    for (Field value : kResults) {
        for (int i = 0; i < CountOf(value); ++i) {
            const std::string text = Text(value, i);
            const std::string unit = Text(UnitOf(value), i);
            Measure({value, i, text, unit});
        }
    }
    for (Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) FitEntry(entry, i);
    }
}

void WebFieldSet::Measure(const ChangedResult& result) {
    const Field unit = UnitOf(result.value);
    Display(boxes_(result.value, result.index), result.text, result.unit);
    if (unit != Field::lblUMs) Display(boxes_(unit, result.index), result.unit, {});
}

// The box shows its text, or over it the mark that draws the display rule's
// cut, in the room inside its padding, at the size the rule draws it; its
// tooltip and what a screen reader says keep the whole text.
void WebFieldSet::Display(Box& box, std::string_view text, std::string_view unit) {
    const val style = val::global("getComputedStyle")(box.element);
    // The browser reads its own lengths ("4px"): the C library's reading
    // would bring its long doubles into the page.
    const val parse = val::global("parseFloat");
    const auto pixels = [&style, &parse](const char* property) { return parse(style[property]).as<double>(); };
    // Firefox counts an input's padding out of its client width, Chromium in.
    const double edges = pixels("borderLeftWidth") + pixels("paddingLeft") + pixels("paddingRight") +
                         pixels("borderRightWidth");
    const double font_size = pixels("fontSize");
    // Firefox gives no shorthand of a computed font.
    const std::string face = style["fontStyle"].as<std::string>() + " " + style["fontWeight"].as<std::string>() + " ";
    const std::string family = "px " + style["fontFamily"].as<std::string>();
    double measured_size = 0;  // the size measure_ has
    const auto width = [&](std::string_view utf8, double size) {
        if (size != measured_size) measure_.set("font", face + std::to_string(font_size * size) + family);
        measured_size = size;
        return measure_.call<val>("measureText", std::string(utf8))["width"].as<double>();
    };
    const double room = box.element["offsetWidth"].as<double>() - edges;
    const bool fits = box.element["scrollWidth"].as<int>() <= box.element["clientWidth"].as<int>();
    const ResultDisplay display = DisplayResult(text, unit, box.description, Locale().DecimalPoint(), fits, room, width);
    val mark = box.element["nextElementSibling"];
    if (display.cut) {
        // A write leaves the caret at the end, where focus would scroll to;
        // home, it keeps the beginning in sight.
        box.element.call<void>("setSelectionRange", 0, 0);
        box.element.set("scrollLeft", 0);
        mark.set("textContent", display.shown);
        mark["style"].set("fontSize", display.size < 1 ? std::to_string(font_size * display.size) + "px" : std::string());
    }
    if (display.tooltip == box.tooltip && display.cut == box.cut) return;
    box.tooltip = display.tooltip;
    box.cut = display.cut;
    box.element.set("title", display.tooltip);
    box.element.call<void>("toggleAttribute", std::string("data-cut"), display.cut);
    box.element.call<void>("setAttribute", std::string("aria-description"), display.spoken);
}

}  // namespace quorvel
