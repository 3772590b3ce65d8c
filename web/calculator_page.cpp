#include "web/calculator_page.h"

#include <cstdint>

#include "events/handlers.h"
#include "frontend/window_layout.h"
#include "web/page_builder.h"

namespace quorvel {
namespace {

using emscripten::val;

val Placed(const val& document) {
    val calculator = BuildCalculator(document);
    document["body"].call<void>("prepend", calculator);
    return calculator;
}

// The character a key types, as the window's key preview sees it; -1 for
// keys that type none.
int CharacterOf(const val& event) {
    const val key = event["key"];
    if (key.as<std::string>() == "Escape") return kEscape;
    if (key["length"].as<int>() != 1) return -1;
    return key.call<int>("charCodeAt", 0);
}

}  // namespace

CalculatorPage::CalculatorPage(const val& document, std::function<void()> end)
    : calculator_(Placed(document)),
      fields_(document),
      platform_([this] { fields_.ShowHeld(); }, [this] { End(); }),
      events_(fields_, platform_),
      end_(std::move(end)) {
    fields_.OnChange([this](Field field, int index) { events_.Changed(field, index); });
    const val listener = val::module_property(kEventListener);
    for (const char* type : {"input", "change", "click", "focusin", "focusout", "select", "keyup", "mouseup"}) {
        calculator_.call<void>("addEventListener", std::string(type), listener);
    }
    // Ahead of the focused element, as the window's key preview; and the
    // scrolling of boxes, which does not bubble.
    calculator_.call<void>("addEventListener", std::string("keydown"), listener, true);
    calculator_.call<void>("addEventListener", std::string("scroll"), listener, true);
}

CalculatorPage::~CalculatorPage() { calculator_.call<void>("remove"); }

void CalculatorPage::Load() {
    fields_.RunEvent([this] { events_.Load(); });
    const val& first = fields_.Element(Field::txtRs, 0);
    first.call<void>("focus");
    first.call<void>("select");
}

// The user's edits and picks enter the handlers here; a handler's own writes
// call their field's handler from the field set instead.
void CalculatorPage::Handle(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") return KeyDown(event);

    const val target = event["target"];
    if (target["readOnly"].as<bool>()) return ResultBoxEvent(type, target);
    const std::string id = target["id"].as<std::string>();
    if (type == "click") {
        if (id == "cmdClear") fields_.RunEvent([this] { events_.ClearClick(); });
    } else if (const auto named = FieldNamed(id); named && !IsComputed(named->field)) {
        const Field field = named->field;
        const int index = named->index;
        const auto changed = [this, field, index] { fields_.RunEvent([&] { events_.Changed(field, index); }); };
        const bool entry = KindOf(field) == FieldKind::entry;
        if (entry && type == "input") {
            if (fields_.Typed(field, index)) changed();
            fields_.FitEntry(field, index);
        }
        if (!entry && type == "change") changed();
    }
}

// A result box shows the beginning of its text, its frame the focus, and
// over a cut text the mark that keeps its exponent in sight; while the user
// selects or scrolls through it, the mark would hide what is selected. A box
// left shows its beginning again.
void CalculatorPage::ResultBoxEvent(const std::string& type, val box) {
    if (type == "focusin" || type == "focusout") {
        box.call<void>("setSelectionRange", 0, 0);
        box.set("scrollLeft", 0);
    }
    const bool in_use = type != "focusout" && (box["selectionStart"].as<int>() != 0 ||
                                               box["selectionEnd"].as<int>() != 0 || box["scrollLeft"].as<int>() > 0);
    box.call<void>("toggleAttribute", std::string("data-in-use"), in_use);
}

void CalculatorPage::KeyDown(const val& event) {
    const int character = CharacterOf(event);
    if (character < 0) return;
    events_.KeyPress(static_cast<std::int16_t>(character));
    if (platform_.Ended()) {  // the program is over: the key goes nowhere
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    }
}

// Inputs and results are gone with the calculator's elements.
void CalculatorPage::End() {
    calculator_.call<void>("remove");
    end_();
}

}  // namespace quorvel
