#include "web/web_field_set.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calc/units.h"
#include "frontend/typed_limit.h"
#include "frontend/window_layout.h"
#include "web/browser_locale.h"

namespace quorvel {
namespace {

using emscripten::val;


}  // namespace

WebFieldSet::WebFieldSet(const val& document) {
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            const layout::Control& control = layout::ControlOf(field, i);
            Box& box = BoxOf(field, i);
            box.element = document.call<val>("getElementById", ControlName(field, i));
            box.typed_limit = control.max_typed;
            box.before.assign(control.text.begin(), control.text.end());  // "0"
            box.default_text = control.text;
            box.description = control.spoken.description;
            box.shown.text = control.text;
        }
    }
}

void WebFieldSet::OnChange(ChangeHandler handler) { on_change_ = std::move(handler); }

WebFieldSet::Box& WebFieldSet::BoxOf(Field field, int index) {
    return boxes_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

const WebFieldSet::Box& WebFieldSet::BoxOf(Field field, int index) const {
    return boxes_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

const val& WebFieldSet::Element(Field field, int index) const { return BoxOf(field, index).element; }

std::string WebFieldSet::Text(Field field, int index) const {
    const Box& box = BoxOf(field, index);
    if (IsComputed(field)) return box.shown.text;
    return box.element["value"].as<std::string>();  // a chooser without a pick: ""
}

void WebFieldSet::SetText(Field field, int index, const std::string& text) {
    Box& box = BoxOf(field, index);
    if (IsComputed(field)) {
        if (box.shown.text == text) return;
        box.shown.text = text;
        box.shown.held = true;
        return;
    }
    if (KindOf(field) == FieldKind::chooser) {
        const auto units = ListOf(field);
        int item = -1;
        for (std::size_t k = 0; k < units.size(); ++k) {
            if (units[k].word == text) item = static_cast<int>(k);
        }
        if (box.element["selectedIndex"].as<int>() == item) return;
        box.element.set("selectedIndex", item);
    } else {
        if (box.element["value"].as<std::string>() == text) return;
        box.element.set("value", text);  // never cut by the typed limit
        if (box.typed_limit > 0) box.before = box.element["value"].as<std::u16string>();
        // The default stands where the user's text was no number: selected,
        // it gives way to the next key.
        if (text == box.default_text && box.element.strictlyEquals(val::global("document")["activeElement"])) {
            box.element.call<void>("select");
        }
        Fit(box);
    }
    if (on_change_) on_change_(field, index);
}

std::string WebFieldSet::ListItem(Field chooser, int index, int item) const {
    return BoxOf(chooser, index).element["options"][item]["text"].as<std::string>();
}

NumberLocale WebFieldSet::Locale() const {
    if (!locale_) locale_ = BrowserNumberLocale();
    return *locale_;
}

bool WebFieldSet::Typed(Field entry, int index) {
    Box& box = BoxOf(entry, index);
    if (box.typed_limit == 0) return true;
    TypedText typed{box.element["value"].as<std::u16string>(), box.element["selectionStart"].as<int>()};
    const auto kept = LimitTyped(box.before, typed, box.typed_limit);
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

void WebFieldSet::FitEntry(Field entry, int index) { Fit(BoxOf(entry, index)); }

// The window's entry lets a text too long for its margins use them, up to
// its frame; the page's, its padding.
void WebFieldSet::Fit(Box& box) {
    box.element.call<void>("removeAttribute", std::string("data-long"));
    const bool fits = box.element["scrollWidth"].as<int>() <= box.element["clientWidth"].as<int>();
    if (!fits) box.element.call<void>("setAttribute", std::string("data-long"), std::string());
}

void WebFieldSet::ShowHeld() {
    locale_.reset();
    std::vector<std::pair<Box*, std::string>> written;  // each with its unit
    for (Field value : kResults) {
        const Field unit = UnitOf(value);
        for (int i = 0; i < CountOf(value); ++i) {
            Box& number = BoxOf(value, i);
            Box& unit_box = BoxOf(unit, i);
            if (!number.shown.held && !unit_box.shown.held) continue;
            if (unit_box.shown.held) {
                unit_box.element.set(unit == Field::lblUMs ? "textContent" : "value", unit_box.shown.text);
                if (unit != Field::lblUMs) written.emplace_back(&unit_box, std::string());
            }
            if (number.shown.held) number.element.set("value", number.shown.text);
            written.emplace_back(&number, unit_box.shown.text);
            number.shown.held = unit_box.shown.held = false;
        }
    }
    if (written.empty()) return;
    // Measured once all are written, so that the page is laid out once.
    for (auto& [box, unit] : written) ShowWhole(*box, unit);
}

// The mark over a cut text cuts the mantissa and keeps the exponent. Its
// first digit always stays, in the box's padding where the line has no
// room for it and "…".
void WebFieldSet::MarkCut(val mark, const std::string& text) {
    const std::size_t at = std::min(text.find('E'), text.size());
    val mantissa = mark["children"][0];
    mark["children"][1].set("textContent", text.substr(0, at) == text ? std::string() : text.substr(at));
    mark.call<void>("removeAttribute", std::string("data-tight"));
    const std::string first = text.substr(0, at == 0 ? 0 : 1) + "…";
    mantissa.set("textContent", first);
    if (at < text.size() && mantissa["scrollWidth"].as<int>() > mantissa["clientWidth"].as<int>()) {
        mark.call<void>("setAttribute", std::string("data-tight"), std::string());
        return;
    }
    mantissa.set("textContent", text.substr(0, at));
}

void WebFieldSet::ShowWhole(Box& box, const std::string& unit) {
    const bool fits = box.element["scrollWidth"].as<int>() <= box.element["clientWidth"].as<int>();
    if (!fits) {
        // A write leaves the caret at the end, where focus would scroll to;
        // home, it keeps the beginning in sight.
        box.element.call<void>("setSelectionRange", 0, 0);
        box.element.set("scrollLeft", 0);
        MarkCut(box.element["nextElementSibling"], box.shown.text);
    }
    const std::string whole = unit.empty() ? box.shown.text : box.shown.text + " " + unit;
    const std::string tooltip = fits ? std::string() : whole;
    if (tooltip == box.tooltip) return;
    box.tooltip = tooltip;
    box.element.set("title", tooltip);
    box.element.call<void>("toggleAttribute", std::string("data-cut"), !fits);
    box.element.call<void>("setAttribute", std::string("aria-description"),
                           fits ? box.description : whole + ". " + box.description);
}

}  // namespace quorvel
