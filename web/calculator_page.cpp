#include "web/calculator_page.h"

#include <cstdint>

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include "events/handlers.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_table.h"
#include "frontend/entry_focus.h"
#include "frontend/worked_solution.h"
#include "frontend/window_layout.h"

namespace quorvel {
namespace {

using emscripten::val;

// The character a key types, as the window's key preview sees it; -1 for
// keys that type none, and for a keydown without a key, as autofill and
// browser extensions send.
int CharacterOf(const val& event) {
    const val key = event["key"];
    if (!key.isString()) return -1;
    if (key.as<std::string>() == "Escape") return kEscape;
    if (key["length"].as<int>() != 1) return -1;
    return key.call<int>("charCodeAt", 0);
}

// A key as the key handlers know it: its code, 0 for one they do not know,
// and the modifiers held with it.
std::int16_t KeyCodeOf(const val& event) {
    const val key = event["key"];
    if (!key.isString()) return 0;
    const std::string name = key.as<std::string>();
    return name == "ArrowUp" ? kKeyUp : name == "ArrowDown" ? kKeyDown : 0;
}

std::int16_t ShiftOf(const val& event) {
    return static_cast<std::int16_t>((event["shiftKey"].as<bool>() ? kShiftMask : 0) |
                                     (event["ctrlKey"].as<bool>() ? kCtrlMask : 0) |
                                     (event["altKey"].as<bool>() ? kAltMask : 0));
}

// How an input event put its text in: keys or an input method; a paste, a
// drop and their kin; or another edit (an undo, a cut, a deletion).
EntryInput InputOf(const val& event) {
    const val type = event["inputType"];
    const std::string input = type.isString() ? type.as<std::string>() : "";
    if (input == "insertText" || input == "insertCompositionText") return EntryInput::typed;
    return input.starts_with("insertFrom") ? EntryInput::pasted : EntryInput::other;
}

// Chromium puts the caret where a click into a selected text went only once
// the click is over: the entry's text is selected again then.
EM_JS(void, SelectOnceClicked, (const char* id), {
    const entry = document.getElementById(UTF8ToString(id));
    entry.select();
    setTimeout(() => entry.select());
});

// What the line beside the copy buttons tells.
constexpr const char* kCircuitCopied = "Circuitul a fost copiat ca tabel.";
constexpr const char* kLinkCopied = "Legătura a fost copiată.";
constexpr const char* kSolutionCopied = "Rezolvarea a fost copiată.";
constexpr const char* kNotCopied = "Browserul nu a lăsat pagina să copieze.";

}  // namespace

CalculatorPage::CalculatorPage(const val& document, std::function<void()> end)
    : calculator_(document.call<val>("getElementById", std::string("frmQuorvel"))),
      document_(document),
      share_(document.call<val>("getElementById", std::string("share"))),
      solution_(document.call<val>("getElementById", std::string("solution"))),
      lists_tell_open_(val::global("CSS").call<bool>("supports", std::string("selector(:open)"))),
      fields_(document),
      platform_([this] { End(); }, [this] { events_.Paused(); }),
      events_(fields_, platform_, &fields_),
      end_(std::move(end)) {
    fields_.OnChange([this](Field field, int index) { events_.Changed(field, index); });
    const val listener = val::module_property(kEventListener);
    for (const char* type : {"input", "change", "click", "focusin", "focusout", "select", "keyup", "mouseup", "paste", "drop"}) {
        calculator_.call<void>("addEventListener", std::string(type), listener);
    }
    // Ahead of the focused element, as the window's key preview; and the
    // scrolling of boxes, which does not bubble.
    calculator_.call<void>("addEventListener", std::string("keydown"), listener, true);
    calculator_.call<void>("addEventListener", std::string("scroll"), listener, true);
    Listen(true);
}

CalculatorPage::~CalculatorPage() {
    emscripten_clear_timeout(link_timer_);
    Listen(false);
    calculator_.call<void>("remove");
}

// The page around the calculator: its width changes the layout, its address
// and keys are the calculator's while it runs, and its buttons copy only
// while it runs.
void CalculatorPage::Listen(bool listen) {
    const val listener = val::module_property(kEventListener);
    const std::string method = listen ? "addEventListener" : "removeEventListener";
    for (const char* type : {"resize", "hashchange"}) val::global("window").call<void>(method.c_str(), std::string(type), listener);
    for (const char* type : {"keydown", "copy"}) document_.call<void>(method.c_str(), std::string(type), listener);
    share_.call<void>(method.c_str(), std::string("click"), listener);
    solution_.call<void>(method.c_str(), std::string("toggle"), listener);  // which does not bubble
    const val buttons = share_.call<val>("querySelectorAll", std::string("button"));
    for (int n = 0; n < buttons["length"].as<int>(); ++n) buttons[n].set("disabled", !listen);
    Tell("");
}

// The line beside the copy buttons.
void CalculatorPage::Tell(const char* told) {
    document_.call<val>("getElementById", std::string("lblCopied")).set("textContent", std::string(told));
}

// What the user did before the calculator started, as the page logged it,
// is done again after the load event and the link's circuit, in order, as if
// done now: each key, paste or drop the page held back from an entry, each
// other change of an entry's text, each pick, each click into an entry or on
// the button. Taken, the log ends. The focus stays where the user put it,
// else the first entry takes it, its text selected. Then what the link's
// circuit made too large to compute is told.
void CalculatorPage::Load() {
    events_.Load();
    if (const auto circuit = link_.Open(fields_)) OpenCircuit(*circuit, fields_, events_);
    const val early = val::global("quorvelEarly");
    val::global("window").set("quorvelEarly", val::null());
    const int actions = early.isArray() ? early["length"].as<int>() : 0;
    for (int n = 0; n < actions; ++n) {
        const val action = early[n];
        const std::string id = action["id"].as<std::string>();
        const auto named = FieldNamed(id);
        if (id == "cmdClear") {
            events_.ClearClick();
        } else if (named && KindOf(named->field) == FieldKind::chooser) {
            val(fields_.Element(named->field, named->index)).set("value", action["value"]);
            Changed(named->field, named->index, "change");
        } else if (named && KindOf(named->field) == FieldKind::entry) {
            EarlyEntryAction(*named, action);
        }
    }
    link_.Write(fields_);
    ShowWhatChanged();
    if (!calculator_.call<bool>("contains", val::global("document")["activeElement"])) {
        const val& first = fields_.Element(Field::txtRs, 0);
        first.call<void>("focus");
        first.call<void>("select");
    }
    platform_.Shown();
}

// Done where the user's caret or selection stands, as the browser would
// have done it.
void CalculatorPage::EarlyEntryAction(const FieldElement& entry, const val& action) {
    val element = fields_.Element(entry.field, entry.index);
    if (action["click"].isTrue()) return EntryEvent("click", entry, action);
    if (action["value"].isString()) {
        element.set("value", action["value"]);
        return Changed(entry.field, entry.index, "input");
    }
    int start = element["selectionStart"].as<int>();
    int end = element["selectionEnd"].as<int>();
    if (action["erase"].isNumber()) {
        const int erase = action["erase"].as<int>();  // -1: Backspace, 1: Delete
        if (start == end) (erase < 0 ? start : end) += erase;
        start = std::max(0, start);
        end = std::min(element["value"]["length"].as<int>(), end);
        element.call<void>("setRangeText", std::string(), start, end, std::string("end"));
        return Changed(entry.field, entry.index, "input", EntryInput::other);
    }
    const std::u16string text = action["text"].as<std::u16string>();
    element.call<void>("setRangeText", text, start, end, std::string("end"));
    Changed(entry.field, entry.index, "input", action["typed"].isTrue() ? EntryInput::typed : EntryInput::pasted, text);
}

// The user's edits, picks and moves of the focus enter the handlers here; a
// handler's own writes call their field's handler from the field set instead.
// After each that may change an input, the address takes the circuit.
void CalculatorPage::Handle(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") return event["currentTarget"].strictlyEquals(document_) ? Shortcut(event) : KeyDown(event);
    if (type == "paste" || type == "drop") {  // told before the input it makes
        const val data = event[type == "paste" ? "clipboardData" : "dataTransfer"];
        pasted_ = data.isNull() || data.isUndefined() ? u"" : data.call<std::u16string>("getData", std::string("text/plain"));
        return;
    }
    if (type == "resize") return fields_.Relayout();
    if (type == "copy") return PutCopied(event);
    if (type == "hashchange") return LinkEdited();
    if (type == "toggle") return ShowSolution();

    const val target = event["target"];
    if (target["readOnly"].as<bool>()) return ResultBoxEvent(type, target);
    const std::string id = target["id"].as<std::string>();
    if (type == "click" && id == "cmdCopyCircuit") return CopyCircuit();
    if (type == "click" && id == "cmdCopySolution") return CopySolution();
    if (type == "click" && id == "cmdCopyLink") {
        link_.Write(fields_);
        return Copy(val::global("location")["href"].as<std::string>(), {}, kLinkCopied);
    }
    const auto named = FieldNamed(id);
    if (type == "click" && id == "cmdClear") {
        events_.ClearClick();
    } else if (!named || IsComputed(named->field)) {
        return;
    } else if (type == "input" || type == "change") {  // keyup, mouseup and the like change nothing
        const val data = event["data"];
        Changed(named->field, named->index, type, InputOf(event), data.isString() ? data.as<std::u16string>() : pasted_);
        pasted_.clear();
    } else if (KindOf(named->field) == FieldKind::entry) {
        EntryEvent(type, *named, event);
    }
    if (type == "input" || type == "change" || type == "click" || type == "focusout") WriteLinkSoon();
    ShowWhatChanged();
}

// Once the event is over: changing the address takes the browser longer
// than a keystroke's results, which come first; the events of a burst of
// keys make one change.
void CalculatorPage::WriteLinkSoon() {
    if (link_timer_ == 0) link_timer_ = emscripten_set_timeout(&CalculatorPage::WriteLink, 0, this);
}

void CalculatorPage::WriteLink(void* page) {
    auto& self = *static_cast<CalculatorPage*>(page);
    self.link_timer_ = 0;
    self.link_.Write(self.fields_);
}

// Ctrl+Shift+C anywhere on the page copies the circuit, where the browser
// leaves the key to the page.
void CalculatorPage::Shortcut(const val& event) {
    const auto is = [&event](const char* property) { return event[property].as<bool>(); };
    const val code = event["code"];
    if (!is("ctrlKey") || !is("shiftKey") || is("altKey") || !code.isString() || code.as<std::string>() != "KeyC") return;
    event.call<void>("preventDefault");
    CopyCircuit();
}

// Text for a spreadsheet, which takes the tabs as cells, and HTML for a
// word processor, which takes the table.
void CalculatorPage::CopyCircuit() {
    const auto rows = CircuitTable(fields_);
    Copy(TabSeparated(rows), HtmlTable(rows), kCircuitCopied);
}

// Worked out only now, as it is copied: as text, and as HTML for a word processor.
void CalculatorPage::CopySolution() {
    const WorkedSolution solution = SolveCircuit(fields_);
    Copy(SolutionText(solution), SolutionHtml(solution), kSolutionCopied);
}

// After an event, beside the results: each resistor it changed described
// again, and the solution, where its section is open.
void CalculatorPage::ShowWhatChanged() {
    fields_.DescribeResistors();
    ShowSolution();
}

// The worked solution while its section is open: worked out afresh after
// every event, and not at all while it is closed.
void CalculatorPage::ShowSolution() {
    if (!solution_["open"].as<bool>()) return;
    document_.call<val>("getElementById", std::string("solutionSteps")).set("innerHTML", SolutionList(SolveCircuit(fields_)));
}

// A click or a key lets the page copy: it raises a copy and fills it itself,
// a way every browser keeps.
void CalculatorPage::Copy(std::string text, std::string html, const char* told) {
    copying_ = Copied{std::move(text), std::move(html), false};
    document_.call<bool>("execCommand", std::string("copy"));
    const bool put = copying_->put;
    copying_.reset();
    Tell(put ? told : kNotCopied);
}

// Any other copy is the user's own, of what is selected.
void CalculatorPage::PutCopied(const val& event) {
    if (!copying_ || copying_->put) return;
    val data = event["clipboardData"];
    data.call<void>("setData", std::string("text/plain"), copying_->text);
    if (!copying_->html.empty()) data.call<void>("setData", std::string("text/html"), copying_->html);
    event.call<void>("preventDefault");
    copying_->put = true;
}

// An address edited to no circuit changes nothing, and gets the circuit's
// line back.
void CalculatorPage::LinkEdited() {
    if (const auto circuit = link_.Edited()) OpenCircuit(*circuit, fields_, events_);
    link_.Write(fields_, true);
    ShowWhatChanged();
}

// An entry's input or a chooser's change: the entry's rules first, then its handler.
void CalculatorPage::Changed(Field field, int index, const std::string& type, EntryInput input,
                             const std::u16string& pasted) {
    fields_.Touched(field, index);
    const bool entry = KindOf(field) == FieldKind::entry;
    const auto changed = [this, field, index] { events_.Changed(field, index); };
    if (entry && type == "input") {
        if (fields_.Edited(field, index, input, pasted)) changed();
        fields_.FitEntry(field, index);
    }
    if (!entry && type == "change") changed();
}

// A click or a tap into an entry that holds only its default selects it. An
// entry is left when the focus moves to another control of the page; not
// to the error report, nor when the page itself loses the focus. Left, it
// shows its beginning.
void CalculatorPage::EntryEvent(const std::string& type, const FieldElement& entry, const val& event) {
    if (type == "click" && ClickSelects(entry, fields_.Text(entry.field, entry.index))) {
        SelectOnceClicked(ControlName(entry.field, entry.index).c_str());
    }
    if (type != "focusout") return;
    const val to = event["relatedTarget"];
    const bool to_control = !to.isNull() && !to.isUndefined() && !to.call<bool>("matches", std::string("dialog *"));
    if (FocusLeft(events_, ControlName(entry.field, entry.index), to_control)) fields_.ShowBeginning(entry.field, entry.index);
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

// A chooser's open list keeps its keys, as some browsers show them to the
// page: Esc closes the list and nothing else.
void CalculatorPage::KeyDown(const val& event) {
    if (Stepped(event)) return;
    const int character = CharacterOf(event);
    if (character < 0 || ListOpen(event["target"])) return;
    events_.KeyPress(static_cast<std::int16_t>(character));
    if (platform_.Ended()) {  // the program is over: the key goes nowhere
        event.call<void>("preventDefault");
        event.call<void>("stopPropagation");
    }
}

// A resistor entry's keys reach its key handler before the browser, as the
// window's reach it before the entry. A key taken keeps the browser from
// moving the caret; a step leaves the new value selected, as the window
// does. The command key of a Mac moves the caret; the handlers know no
// such key.
bool CalculatorPage::Stepped(const val& event) {
    const std::int16_t code = KeyCodeOf(event);
    if (code == 0 || event["metaKey"].as<bool>() || event["isComposing"].as<bool>()) return false;
    const auto entry = FieldNamed(event["target"]["id"].as<std::string>());
    if (!entry) return false;
    const std::string before = fields_.Text(entry->field, entry->index);
    if (!events_.KeyDown(entry->field, entry->index, code, ShiftOf(event))) return false;
    event.call<void>("preventDefault");
    if (fields_.Text(entry->field, entry->index) == before) return true;
    fields_.Element(entry->field, entry->index).call<void>("select");
    ShowWhatChanged();
    WriteLinkSoon();
    return true;
}

bool CalculatorPage::ListOpen(const val& target) const {
    return lists_tell_open_ && target["tagName"].as<std::string>() == "SELECT" &&
           target.call<bool>("matches", std::string(":open"));
}

// Inputs and results are gone with the calculator's elements.
// The address no longer holds them, nor can they be copied.
void CalculatorPage::End() {
    calculator_.call<void>("remove");
    emscripten_clear_timeout(link_timer_);
    link_timer_ = 0;
    link_.Forget();
    Listen(false);
    document_.call<val>("getElementById", std::string("solutionSteps")).set("innerHTML", std::string());
    end_();
}

}  // namespace quorvel
