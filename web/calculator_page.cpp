#include "web/calculator_page.h"

#include <algorithm>

#include "web/page_markup.h"

namespace quorvel {
namespace {

using emscripten::val;

// The keys as the window logic knows them: Windows' virtual-key codes, a
// letter by the key it is on, whatever the keyboard's language.
int CodeOf(const val& event) {
    const val key = event["key"];
    const val code = event["code"];
    const std::string name = key.isString() ? key.as<std::string>() : "";
    if (name == "ArrowUp") return kKeyUp;
    if (name == "ArrowDown") return kKeyDown;
    if (name == "Escape") return kKeyEscape;
    const std::string physical = code.isString() ? code.as<std::string>() : "";
    if (physical.size() == 4 && physical.starts_with("Key")) return physical[3];
    return 0;
}

int ModifiersOf(const val& event) {
    const auto held = [&event](const char* property) { return event[property].isTrue(); };
    return (held("shiftKey") ? kShiftMask : 0) | (held("ctrlKey") ? kCtrlMask : 0) | (held("altKey") ? kAltMask : 0) |
           (held("metaKey") ? kMetaMask : 0);
}

// How an input event put its text in: keys or an input method; a paste, a
// drop and their kin; or another edit (an undo, a cut, a deletion).
EntryInput InputOf(const val& event) {
    const val type = event["inputType"];
    const std::string input = type.isString() ? type.as<std::string>() : "";
    if (input == "insertText" || input == "insertCompositionText") return EntryInput::typed;
    return input.starts_with("insertFrom") ? EntryInput::pasted : EntryInput::other;
}

bool IsResultBox(const layout::Control& control) { return control.kind == layout::Kind::result; }

}  // namespace

CalculatorPage::CalculatorPage(const val& document, std::function<void()> end)
    : document_(document),
      calculator_(ElementById(document, "frmQuorvel")),
      share_(ElementById(document, "share")),
      solution_(ElementById(document, "solution")),
      lists_tell_open_(val::global("CSS").call<bool>("supports", std::string("selector(:open)"))),
      end_(std::move(end)),
      view_(document, [this] { Ended(); }),
      logic_(view_),
      choosers_(document, logic_) {
    view_.Bind(logic_);
    Listen(true);
}

CalculatorPage::~CalculatorPage() {
    if (view_.Ended()) return;
    Listen(false);
    calculator_.call<void>("remove");
}

// Only what can change something comes to C++, each event once: the keys
// ahead of the focused element, as the window's key preview; an entry's
// input and a press into it; a pick; the button; the focus moving; the page
// around the calculator (its width, its language, its address, leaving it,
// its copy buttons, solution and parts). Not a key's release, nor a mouse
// button's.
void CalculatorPage::Listen(bool listen) {
    const val listener = val::module_property(kEventListener);
    const std::string method = listen ? "addEventListener" : "removeEventListener";
    const auto on = [&](const val& target, const char* type, bool capture = false) {
        target.call<void>(method.c_str(), std::string(type), listener, capture);
    };
    for (const char* type : {"resize", "hashchange", "languagechange", "pagehide"}) on(val::global("window"), type);
    on(document_, "keydown", true);
    on(document_, "copy");
    on(document_, "visibilitychange");
    for (const char* type : {"focusin", "focusout", "paste", "drop"}) on(calculator_, type);
    for (const Field entry : {Field::txtRs, Field::txtIst}) {
        for (int i = 0; i < CountOf(entry); ++i) {
            const val& element = view_.Element(layout::ControlOf(entry, i));
            on(element, "input");
            on(element, "mousedown");
        }
    }
    for (const Field chooser : {Field::cboRs, Field::cboIst}) {
        for (int i = 0; i < CountOf(chooser); ++i) on(view_.Element(layout::ControlOf(chooser, i)), "change");
    }
    on(view_.Element(layout::ClearButton()), "click");
    on(share_, "click");
    on(solution_, "toggle");  // which does not bubble
    choosers_.Listen(listen, listener);
    for (const CommandButton& button : kCommandButtons) ElementById(document_, button.id).set("disabled", !listen);
    view_.Tell("");
}

// What the user did before the calculator started, as the page logged it,
// is done again after the load event and the link's circuit, in order, as if
// done now: each key, paste or drop the page held back from an entry, each
// other change of an entry's text, each pick, each click into an entry or on
// the button. Taken, the log ends.
void CalculatorPage::Load() {
    logic_.Load(std::nullopt, [this] {
        const val early = val::global("quorvelEarly");
        val::global("window").set("quorvelEarly", val::null());
        const int actions = early.isArray() ? early["length"].as<int>() : 0;
        for (int n = 0; n < actions; ++n) EarlyAction(early[n]);
    });
    logic_.Shown();
    // Opened before the calculator started, or left open when it ended.
    if (solution_["open"].as<bool>()) logic_.SolutionShown(true);
    choosers_.Shown();
}

// Done where the user's caret or selection stands, as the browser would
// have done it.
void CalculatorPage::EarlyAction(const val& action) {
    const layout::Control* control = layout::ControlNamed(action["id"].as<std::string>());
    if (!control) return;
    val element = view_.Element(*control);
    if (control->kind == layout::Kind::button) return logic_.Clicked(*control);
    if (control->kind == layout::Kind::chooser) {
        element.set("value", action["value"]);
        return logic_.Picked(*control, element["selectedIndex"].as<int>());
    }
    if (control->kind != layout::Kind::entry) return;
    if (action["click"].isTrue()) {
        logic_.EntryPressed(*control);
        return;
    }
    const auto edited = [&](EntryInput input, std::u16string_view pasted = {}) {
        logic_.EntryEdited(*control, {element["value"].as<std::u16string>(), element["selectionStart"].as<int>()}, input,
                           pasted);
    };
    if (action["value"].isString()) {
        element.set("value", action["value"]);
        return edited(EntryInput::other);
    }
    int start = element["selectionStart"].as<int>();
    int end = element["selectionEnd"].as<int>();
    if (action["erase"].isNumber()) {
        const int erase = action["erase"].as<int>();  // -1: Backspace, 1: Delete
        if (start == end) (erase < 0 ? start : end) += erase;
        start = std::max(0, start);
        end = std::min(element["value"]["length"].as<int>(), end);
        element.call<void>("setRangeText", std::string(), start, end, std::string("end"));
        return edited(EntryInput::other);
    }
    const std::u16string text = action["text"].as<std::u16string>();
    element.call<void>("setRangeText", text, start, end, std::string("end"));
    edited(action["typed"].isTrue() ? EntryInput::typed : EntryInput::pasted, text);
}

// A picker whose resistor's entry the event changed starts again from it.
void CalculatorPage::Handle(const val& event) {
    Dispatch(event);
    choosers_.Follow();
}

void CalculatorPage::RunButton(const val& target) {
    const std::string id = target["id"].isString() ? target["id"].as<std::string>() : "";
    for (const CommandButton& button : kCommandButtons) {
        if (id == button.id) logic_.Run(button.command);
    }
}

void CalculatorPage::Dispatch(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") return KeyDown(event);
    if (type == "copy") return view_.PutCopied(event);
    if (type == "resize") return view_.Relayout();
    if (type == "languagechange") return logic_.SettingsChanged();
    if (type == "hashchange") return logic_.AddressEdited();
    if (type == "pagehide") return logic_.Hidden();
    if (type == "visibilitychange") {
        if (document_["visibilityState"].as<std::string>() == "hidden") logic_.Hidden();
        return;
    }
    const val target = event["target"];
    if (event["currentTarget"].strictlyEquals(choosers_.Section())) {
        if (type == "click") RunButton(target);
        return choosers_.Handle(type, event);
    }
    if (type == "toggle") return logic_.SolutionShown(solution_["open"].as<bool>());
    if (type == "paste" || type == "drop") {  // told before the input it makes
        const val data = event[type == "paste" ? "clipboardData" : "dataTransfer"];
        pasted_ = data.isNull() || data.isUndefined() ? u"" : data.call<std::u16string>("getData", std::string("text/plain"));
        return;
    }
    if (type == "click" && event["currentTarget"].strictlyEquals(share_)) return RunButton(target);
    if (type == "focusin" || type == "focusout") return Focus(type, event);
    const layout::Control* control = view_.ControlOf(target);
    if (!control) return;
    if (type == "input") return Input(*control, event);
    if (type == "change") return logic_.Picked(*control, target["selectedIndex"].as<int>());
    if (type == "click") return logic_.Clicked(*control);
    if (type == "mousedown") {
        if (event["button"].as<int>() == 0 && logic_.EntryPressed(*control)) event.call<void>("preventDefault");
        return;
    }
    if (type == "selectionchange" || type == "scroll") {
        logic_.BoxMoved(*control, target["selectionStart"].as<int>(), target["selectionEnd"].as<int>(),
                        target["scrollLeft"].as<double>() > 0);
    }
}

// A chooser's open list keeps its keys, as some browsers show them to the
// page. A key the logic took goes nowhere else; once the calculator has
// ended, no listener of the page has it either.
void CalculatorPage::KeyDown(const val& event) {
    const val target = event["target"];
    const layout::Control* control = view_.ControlOf(target);
    const val key = event["key"];
    const std::u16string typed = key.isString() && key["length"].as<int>() == 1 ? key.as<std::u16string>() : u"";
    KeyEvent pressed;
    pressed.code = CodeOf(event);
    pressed.modifiers = ModifiersOf(event);
    pressed.typed = typed;
    pressed.composing = event["isComposing"].isTrue();
    pressed.popup_open = control && lists_tell_open_ && control->kind == layout::Kind::chooser &&
                         target.call<bool>("matches", std::string(":open"));
    if (!logic_.KeyPressed(control, pressed)) return;
    event.call<void>("preventDefault");
    if (view_.Ended()) event.call<void>("stopPropagation");
}

// What the browser's input made, with the caret after it; the pasted text
// from the paste or the drop that told of it before.
void CalculatorPage::Input(const layout::Control& entry, const val& event) {
    const val element = view_.Element(entry);
    const val data = event["data"];
    const std::u16string pasted = data.isString() ? data.as<std::u16string>() : pasted_;
    pasted_.clear();
    logic_.EntryEdited(entry, {element["value"].as<std::u16string>(), element["selectionStart"].as<int>()},
                       InputOf(event), pasted);
    if (!view_.Ended()) view_.FitEntry(entry, logic_.Fields().Text(layout::FieldOf(entry)->field, layout::FieldOf(entry)->index));
}

// The focus moves to another control of the page, or not: to the error
// report, or nowhere as the page itself loses the focus. A result box's
// caret and scrolling are the user's only while it has the focus.
void CalculatorPage::Focus(const std::string& type, const val& event) {
    const layout::Control* control = view_.ControlOf(event["target"]);
    if (!control) return;
    const val other = event["relatedTarget"];
    const bool control_there = !other.isNull() && !other.isUndefined() && !other.call<bool>("matches", std::string("dialog *"));
    if (IsResultBox(*control)) {
        const val listener = val::module_property(kEventListener);
        const char* method = type == "focusin" ? "addEventListener" : "removeEventListener";
        for (const char* moved : {"selectionchange", "scroll"}) {
            view_.Element(*control).call<void>(method, std::string(moved), listener);
        }
    }
    if (type == "focusout") return logic_.FocusLeft(*control, control_there);
    logic_.FocusEntered(*control, control_there);
}

void CalculatorPage::Ended() {
    Listen(false);
    end_();
}

}  // namespace quorvel
