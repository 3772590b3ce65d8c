#include "web/page_view.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include "frontend/error_message.h"
#include "web/browser_locale.h"
#include "web/page_markup.h"

namespace quorvel {
namespace {

using emscripten::val;

// A browser may refuse to change the address (too many changes at once, a
// sandboxed frame): the page goes on with the address as it was.
EM_JS(void, ReplaceAddress, (const char* fragment), {
    const url = new URL(location.href);
    url.hash = UTF8ToString(fragment);
    try {
        history.replaceState(history.state, document.title, url.href);
    } catch (refused) {
    }
});

// The elements of the calculator by their places in the layout table, and
// the parts section's blocks, each resistor's and then the totals', for
// ApplyWrites; ids one a line.
EM_JS(void, KeepElements, (const char* ids, const char* parts), {
    const elements = list => UTF8ToString(list).split("\n").map(id => document.getElementById(id));
    Module.quorvelElements = elements(ids);
    Module.quorvelParts = elements(parts);
});

// What PageView::Apply packs, twelve numbers a write: its kind, its control,
// three texts as address and length, two numbers and the flags.
EM_JS(void, ApplyWrites, (const std::int32_t* packed, int count), {
    const elements = Module.quorvelElements;
    const text = (at, length) => length ? UTF8ToString(at, length) : "";
    for (let n = 0, o = packed >> 2; n < count; ++n, o += 12) {
        const element = elements[HEAP32[o + 1]], flags = HEAP32[o + 11], a = HEAP32[o + 8], b = HEAP32[o + 9];
        const written = text(HEAP32[o + 2], HEAP32[o + 3]);
        switch (HEAP32[o]) {
            case 0:
                if (flags & 4) element.textContent = written; else element.value = written;
                if (flags & 16) element.toggleAttribute("data-long", (flags & 8) != 0);
                break;
            case 1: element.selectedIndex = a; break;
            case 2:
                element.setSelectionRange(a, b < 0 ? element.value.length : b);
                if (flags & 2) element.scrollLeft = 0;
                break;
            case 3:
                if (flags & 1) {
                    const mark = element.nextElementSibling;
                    mark.textContent = written;
                    mark.style.fontSize = a ? a / 1000 + "px" : "";
                }
                element.toggleAttribute("data-cut", (flags & 1) != 0);
                break;
            case 4: element.title = written; break;
            case 5: {
                const spoken = text(HEAP32[o + 4], HEAP32[o + 5]);
                if (spoken) element.setAttribute("aria-description", spoken);
                const value = text(HEAP32[o + 6], HEAP32[o + 7]);
                if (value) element.setAttribute("aria-valuetext", value);
                break;
            }
            case 6: document.getElementById("solutionSteps").innerHTML = written; break;
            case 7: Module.quorvelParts[a < 0 ? Module.quorvelParts.length - 1 : a].innerHTML = written; break;
        }
    }
});

std::string PartBlockIds() {
    std::string ids;
    for (int k = 0; k < kResistorCount; ++k) ids += PartId(PartElement::block, k) + "\n";
    return ids + std::string(kPartsTotalsId);
}

// How much wider than its text a box must be for the browser to show it
// unscrolled: the caret beside it, and what rounding leaves. A result box
// the logic cuts takes as much of its padding again (the page's style), so
// that the browser too scrolls what the logic cut.
constexpr double kSlack = 2;

}  // namespace

val ElementById(const val& document, std::string_view id) { return document.call<val>("getElementById", std::string(id)); }

// The page as built shows the calculator loaded; the load event starts from
// the creation texts. What the user did before is in the page's log.
PageView::PageView(const val& document, std::function<void()> end)
    : document_(document),
      end_(std::move(end)),
      measure_(document.call<val>("createElement", std::string("canvas")).call<val>("getContext", std::string("2d"))) {
    measure_.set("fontKerning", std::string("none"));  // as the boxes draw their texts
    std::string ids;
    for (const layout::Control& control : layout::kControls) {
        ids += ControlName(control.name, control.index) + "\n";
        val element = document.call<val>("getElementById", ControlName(control.name, control.index));
        elements_[static_cast<std::size_t>(layout::IndexOf(control))] = element;
        if (element.isNull() || !layout::FieldOf(control)) continue;
        switch (control.kind) {
            case layout::Kind::chooser: element.set("selectedIndex", -1); break;
            case layout::Kind::label: element.set("textContent", std::string(control.text)); break;
            default: element.set("value", std::string(control.text));
        }
    }
    ids.pop_back();
    KeepElements(ids.c_str(), PartBlockIds().c_str());
}

PageView::~PageView() {
    for (Waiting& waiting : timers_) emscripten_clear_timeout(waiting.id);
}

const layout::Control* PageView::ControlOf(const val& element) const {
    if (!element.instanceof(val::global("Element"))) return nullptr;
    const layout::Control* control = layout::ControlNamed(element["id"].as<std::string>());
    return control && Element(*control).strictlyEquals(element) ? control : nullptr;
}

std::string PageView::ControlText(const layout::Control& entry) const { return Element(entry)["value"].as<std::string>(); }

const layout::Control* PageView::Focused() const { return ControlOf(document_["activeElement"]); }

void PageView::Focus(const layout::Control& control) { Element(control).call<void>("focus"); }

// The writes in one call into the page, each as twelve numbers
// (ApplyWrites): what enters and leaves JavaScript costs a page more than
// the writes themselves.
void PageView::Apply(const std::vector<ViewWrite>& writes) {
    using Kind = ViewWrite::Kind;
    static_assert(static_cast<int>(Kind::text) == 0 && static_cast<int>(Kind::pick) == 1 &&
                  static_cast<int>(Kind::select) == 2 && static_cast<int>(Kind::draw) == 3 &&
                  static_cast<int>(Kind::tooltip) == 4 && static_cast<int>(Kind::describe) == 5 &&
                  static_cast<int>(Kind::solution) == 6 && static_cast<int>(Kind::parts) == 7,
                  "the kinds as ApplyWrites numbers them");
    const auto address = [](std::string_view text) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(text.data())); };
    const auto size = [](std::string_view text) { return static_cast<std::int32_t>(text.size()); };
    packed_.clear();
    for (const ViewWrite& write : writes) {
        std::int32_t a = 0, b = 0, flags = 0;
        switch (write.kind) {
            case Kind::text:
                if (write.control->kind == layout::Kind::label) flags |= kLabel;
                if (write.control->kind == layout::Kind::entry) flags |= Fit(*write.control, write.text);
                break;
            case Kind::pick:
            case Kind::parts: a = write.item; break;
            case Kind::select:
                a = write.start;
                b = write.end;
                // Only then: a scroll written makes the browser lay the page out at once.
                if (write.scroll) flags |= kScroll;
                break;
            case Kind::draw:
                if (write.cut) flags |= kCut;
                if (write.cut && write.size < 1) {
                    a = static_cast<std::int32_t>(MeasuredOf(*write.control).font_size * write.size * 1000);
                }
                break;
            default: break;
        }
        packed_.insert(packed_.end(), {static_cast<std::int32_t>(write.kind),
                                       write.control ? layout::IndexOf(*write.control) : -1, address(write.text),
                                       size(write.text), address(write.spoken), size(write.spoken), address(write.value),
                                       size(write.value), a, b, 0, flags});
    }
    ApplyWrites(packed_.data(), static_cast<int>(writes.size()));
}

NumberLocale PageView::ReadLocale() const { return BrowserNumberLocale(); }

// The browser reads its own lengths ("4px"): the C library's reading would
// bring its long doubles into the page. Firefox counts an input's padding
// out of its client width, Chromium in; and gives no shorthand of a
// computed font. A result box's room is its mark's, where a cut is drawn,
// whatever padding the box takes while it is cut; an entry is measured
// without the padding a long text takes (Relayout).
const PageView::Measured& PageView::MeasuredOf(const layout::Control& box) const {
    std::optional<Measured>& measured = measured_[static_cast<std::size_t>(layout::IndexOf(box))];
    if (measured) return *measured;
    const val element = Element(box);
    const val computed = val::global("getComputedStyle");
    const val style = computed(element);
    const val padded = box.kind == layout::Kind::result ? computed(element["nextElementSibling"]) : style;
    const val parse = val::global("parseFloat");
    const auto pixels = [&parse](const val& of, const char* property) { return parse(of[property]).as<double>(); };
    const double edges = pixels(style, "borderLeftWidth") + pixels(padded, "paddingLeft") +
                         pixels(padded, "paddingRight") + pixels(style, "borderRightWidth");
    measured.emplace();
    measured->font_size = pixels(style, "fontSize");
    measured->face = style["fontStyle"].as<std::string>() + " " + style["fontWeight"].as<std::string>() + " ";
    measured->family = "px " + style["fontFamily"].as<std::string>();
    measured->font = measured->face + std::to_string(measured->font_size) + measured->family;
    measured->room = element["offsetWidth"].as<double>() - edges;
    const auto font = std::find(fonts_.begin(), fonts_.end(), measured->font);
    measured->font_id = static_cast<int>(font - fonts_.begin());
    if (font == fonts_.end()) fonts_.push_back(measured->font);
    return *measured;
}

BoxRoom PageView::Room(const layout::Control& box) const {
    const Measured& measured = MeasuredOf(box);
    return {measured.room, kSlack, false, measured.font_id};
}

double PageView::TextWidth(const layout::Control& box, std::string_view text, double size) const {
    const Measured& measured = MeasuredOf(box);
    const std::string font =
        size == 1 ? measured.font : measured.face + std::to_string(measured.font_size * size) + measured.family;
    if (font != measured_font_) {
        measure_.set("font", font);
        measured_font_ = font;
    }
    return measure_.call<val>("measureText", std::string(text))["width"].as<double>();
}

void PageView::Relayout() {
    for (auto& measured : measured_) measured.reset();
    for (auto& was : long_) was.reset();
    entry_widths_.ForgetAll();
    for (const Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const layout::Control& control = layout::ControlOf(entry, i);
            Element(control).call<void>("removeAttribute", std::string("data-long"));
            MeasuredOf(control);
        }
    }
    if (logic_) logic_->LayoutChanged();
    for (const Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const layout::Control& control = layout::ControlOf(entry, i);
            FitEntry(control, Element(control)["value"].as<std::string>());
        }
    }
}

// The window's entry lets a text too long for its margins use them, up to
// its frame; the page's, its padding. Measured a character at a time, once
// each: a browser lays the page out to measure a text, and a keystroke is
// to lay it out no more than the browser must. The flags for ApplyWrites
// where that changes.
std::int32_t PageView::Fit(const layout::Control& entry, std::string_view text) {
    const Measured& measured = MeasuredOf(entry);
    const double width = entry_widths_.Width(measured.font_id, text,
                                             [this, &entry](std::string_view character) { return TextWidth(entry, character, 1); });
    const bool long_text = width + kSlack > measured.room;
    std::optional<bool>& was = long_[static_cast<std::size_t>(layout::IndexOf(entry))];
    if (was == long_text) return 0;
    was = long_text;
    return kFit | (long_text ? kLong : 0);
}

void PageView::FitEntry(const layout::Control& entry, std::string_view text) {
    if (const std::int32_t flags = Fit(entry, text)) Element(entry).call<void>("toggleAttribute", std::string("data-long"), (flags & kLong) != 0);
}

// A click or a key lets the page copy: it raises a copy and fills it itself,
// a way every browser keeps.
bool PageView::Copy(const std::string& text, const std::string& html) {
    copying_ = Copying{text, html, false};
    document_.call<bool>("execCommand", std::string("copy"));
    const bool put = copying_->put;
    copying_.reset();
    return put;
}

// Any other copy is the user's own, of what is selected.
void PageView::PutCopied(const val& event) {
    if (!copying_ || copying_->put) return;
    val data = event["clipboardData"];
    data.call<void>("setData", std::string("text/plain"), copying_->text);
    if (!copying_->html.empty()) data.call<void>("setData", std::string("text/html"), copying_->html);
    event.call<void>("preventDefault");
    copying_->put = true;
}

void PageView::Tell(const std::string& told) { ElementById(document_, "lblCopied").set("textContent", told); }

void PageView::ShowReport(std::string_view title, const std::string& text) {
    ElementById(document_, "lblErrorTitle").set("textContent", std::string(title));
    ElementById(document_, "lblErrorText").set("textContent", text);
    val dialog = ElementById(document_, "dlgError");
    if (!dialog["open"].as<bool>()) dialog.call<void>("showModal");
}

void PageView::StartTimer(Timer timer, std::chrono::milliseconds after) {
    Waiting& waiting = timers_[static_cast<std::size_t>(timer)];
    emscripten_clear_timeout(waiting.id);
    waiting.id = emscripten_set_timeout(&PageView::Elapsed, static_cast<double>(after.count()), &waiting);
}

void PageView::StopTimer(Timer timer) {
    Waiting& waiting = timers_[static_cast<std::size_t>(timer)];
    emscripten_clear_timeout(waiting.id);
    waiting.id = 0;
}

void PageView::Elapsed(void* timer) {
    auto& waiting = *static_cast<Waiting*>(timer);
    waiting.id = 0;
    if (waiting.view->logic_) waiting.view->logic_->TimerElapsed(waiting.timer);
}

// Inputs and results are gone with the calculator's elements; the address
// keeps the circuit, for the next start.
void PageView::End() {
    ended_ = true;
    for (Waiting& waiting : timers_) StopTimer(waiting.timer);
    ElementById(document_, "frmQuorvel").call<void>("remove");
    ElementById(document_, "solutionSteps").set("innerHTML", std::string());
    for (int k = 0; k < kResistorCount; ++k) ElementById(document_, PartId(PartElement::block, k)).set("innerHTML", std::string());
    ElementById(document_, kPartsTotalsId).set("innerHTML", std::string());
    end_();
}

std::string PageView::ReadAddress() const { return val::global("location")["href"].as<std::string>(); }

void PageView::WriteAddress(const std::string& fragment) { ReplaceAddress(fragment.c_str()); }

// A browser reloads the page on Ctrl+Shift+R and opens a private window on
// Ctrl+Shift+P (Firefox), as it keeps those keys.
bool PageView::KeepsKeys(int code, int modifiers) const { return (code == 'R' || code == 'P') && (modifiers & kCtrlMask); }

}  // namespace quorvel
