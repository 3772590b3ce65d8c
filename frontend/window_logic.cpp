#include "frontend/window_logic.h"

#include <algorithm>
#include <utility>

#include "calc/entry_value.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/entry_focus.h"
#include "frontend/entry_paste.h"
#include "frontend/error_message.h"
#include "frontend/texts.h"
#include "frontend/utf16.h"
#include "frontend/window_layout.h"
#include "frontend/worked_solution.h"

namespace quorvel {

// Every raw event is one event of the window: what it writes goes to the
// view once it is over, nested ones included.
class WindowLogic::Event {
public:
    explicit Event(WindowLogic& logic) : logic_(logic) { ++logic_.depth_; }
    ~Event() {
        if (--logic_.depth_ == 0) logic_.Flush();
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

private:
    WindowLogic& logic_;
};

namespace {

FieldElement ElementOf(const layout::Control& control) { return *layout::FieldOf(control); }

}  // namespace

WindowLogic::WindowLogic(WindowView& view) : view_(view), events_(fields_, *this), boxes_(view) {
    fields_.SetLocale(view_.ReadLocale());
    point_ = fields_.Locale().DecimalPoint();
    fields_.OnChange([this](Field field, int index) { events_.Changed(field, index); });
}

void WindowLogic::SetText(Field field, int index, const std::string& text) {
    const Event event(*this);
    fields_.SetText(field, index, text);
}

// A circuit given from outside wins over the address's, which the address
// then takes. What the front end did before is done as it was then, each
// action an event of its own, its writes out before the next.
void WindowLogic::Load(const std::optional<Circuit>& circuit, const std::function<void()>& before) {
    {
        const Event event(*this);
        events_.Load();
        std::optional<Circuit> opened = circuit;
        if (view_.HasAddress()) {
            const std::string address = view_.ReadAddress();
            std::optional<Circuit> addressed = address_.Open(FragmentOf(address), fields_);
            if (!opened) opened = std::move(addressed);
        }
        if (opened) OpenCircuit(*opened, fields_, events_);
    }
    if (before) before();
    const Event event(*this);
    WriteAddress();
    if (view_.Focused() || ended_) return;
    const layout::Control& first = layout::ControlOf(Field::txtRs, 0);
    focus_ = &first;
    Select(first, 0, -1);
}

void WindowLogic::Shown() {
    shown_ = true;
    if (held_report_) ReportError(*std::exchange(held_report_, std::nullopt));
}

bool WindowLogic::KeyPressed(const layout::Control* target, const KeyEvent& key) {
    if (ended_) return true;  // the program is over: the key goes nowhere
    const KeyMeaning meaning = MeaningOf(key, target);
    if (meaning.kind == KeyMeaning::Kind::none) return false;
    const Event event(*this);
    switch (meaning.kind) {
        case KeyMeaning::Kind::command:
            if (view_.KeepsKeys(key.code, key.modifiers)) return false;
            Run(meaning.command);
            return true;
        case KeyMeaning::Kind::step: {
            // A step leaves the new value selected, as a spin box does: a
            // screen reader reads it, and the next key replaces it. At an
            // end of the series, nothing changes.
            const auto [field, index] = ElementOf(*target);
            const std::string before = fields_.Shown(field, index);
            if (!events_.KeyDown(field, index, static_cast<std::int16_t>(key.code), HandlerShift(key.modifiers))) {
                return false;
            }
            if (fields_.Shown(field, index) != before) Select(*target, 0, -1);
            return true;
        }
        case KeyMeaning::Kind::typed:
            for (const char16_t character : meaning.typed) {
                events_.KeyPress(static_cast<std::int16_t>(character));
                if (ended_) return true;
            }
            return false;
        case KeyMeaning::Kind::none: break;
    }
    return false;
}

EntryAfterEdit WindowLogic::EditProposed(const layout::Control& entry, TypedText proposed, EntryInput input,
                                         std::u16string_view pasted) {
    const FieldElement element = ElementOf(entry);
    return AfterEdit(element, Utf16(fields_.Shown(element.field, element.index)), std::move(proposed), input, pasted);
}

void WindowLogic::EntryChanged(const layout::Control& entry) {
    if (applying_ || ended_) return;
    const Event event(*this);
    const FieldElement element = ElementOf(entry);
    fields_.UserChanged(element.field, element.index, view_.ControlText(entry));
}

// The toolkit shows what the edit made; where the entry's rules leave
// another text, the entry shows that one, the caret where they put it.
void WindowLogic::EntryEdited(const layout::Control& entry, TypedText edited, EntryInput input,
                              std::u16string_view pasted) {
    if (applying_ || ended_) return;
    const Event event(*this);
    const FieldElement element = ElementOf(entry);
    const std::u16string made = edited.text;
    const EntryAfterEdit after = EditProposed(entry, std::move(edited), input, pasted);
    if (after.shown.text != made) {
        fields_.Rewrite(element.field, element.index);
        Select(entry, after.shown.caret, after.shown.caret);
    }
    if (after.taken) fields_.UserChanged(element.field, element.index, Utf8(after.shown.text));
}

void WindowLogic::Picked(const layout::Control& chooser, int item) {
    if (applying_ || ended_) return;
    const Event event(*this);
    const FieldElement element = ElementOf(chooser);
    const auto units = ListOf(element.field);
    const bool listed = item >= 0 && static_cast<std::size_t>(item) < units.size();
    fields_.UserChanged(element.field, element.index, listed ? std::string(units[static_cast<std::size_t>(item)].word) : "");
}

bool WindowLogic::EntryPressed(const layout::Control& entry) {
    if (ended_) return false;
    const FieldElement element = ElementOf(entry);
    if (!ClickSelects(element, fields_.Shown(element.field, element.index))) return false;
    const Event event(*this);
    focus_ = &entry;
    Select(entry, 0, -1);
    return true;
}

void WindowLogic::FocusLeft(const layout::Control& from, bool to_control) {
    if (ended_) return;
    const FocusMove move = WhenLeft(from, to_control);
    if (!move.shows_beginning) return;
    const Event event(*this);
    if (move.left_for_handlers) {
        const auto [field, index] = ElementOf(from);
        events_.LostFocus(field, index);
    }
    if (from.kind == layout::Kind::result) boxes_.InUse(from, false, writes_);
    Select(from, 0, 0, true);
}

void WindowLogic::FocusEntered(const layout::Control& to, bool from_control) {
    if (ended_ || !WhenEntered(to, from_control).shows_beginning) return;
    const Event event(*this);
    boxes_.InUse(to, false, writes_);
    Select(to, 0, 0, true);
}

void WindowLogic::BoxMoved(const layout::Control& box, int start, int end, bool scrolled) {
    if (applying_ || ended_ || view_.Focused() != &box) return;
    const Event event(*this);
    boxes_.InUse(box, start != 0 || end != 0 || scrolled, writes_);
}

void WindowLogic::Clicked(const layout::Control& button) {
    if (ended_ || &button != &layout::ClearButton()) return;
    const Event event(*this);
    events_.ClearClick();
}

// What is copied is the circuit as the window shows it, its address
// written first, so that a link copied opens it.
void WindowLogic::Run(Command command) {
    if (ended_ || (command == Command::copy_link && !view_.HasAddress())) return;
    const Event event(*this);
    std::string address;
    if (view_.HasAddress()) {
        WriteAddress();
        address = view_.ReadAddress();
    }
    const CommandInfo& info = InfoOf(command);
    const Copied copied = info.copy({fields_, address, tolerance_});
    view_.Tell(std::string(view_.Copy(copied.text, copied.html) ? info.told : texts::kNotCopied));
}

void WindowLogic::TooltipAsked(const layout::Control& control) {
    if (ended_) return;
    const Event event(*this);
    if (control.kind == layout::Kind::result) boxes_.TooltipAsked(control, writes_);
    if (control.name == NameOf(Field::txtRs)) descriptions_.TooltipAsked(fields_, control.index, tolerance_, writes_);
}

void WindowLogic::LayoutChanged(const layout::Control* box) {
    if (ended_) return;
    const Event event(*this);
    boxes_.Relayout(box);
    for (const Field value : kResults) {
        const Field unit = UnitOf(value);
        for (int i = 0; i < CountOf(value); ++i) {
            const layout::Control& value_box = layout::ControlOf(value, i);
            const layout::Control& unit_box = layout::ControlOf(unit, i);
            const std::string& unit_word = fields_.Shown(unit, i);
            if (!box || box == &value_box) boxes_.Show(value_box, fields_.Shown(value, i), unit_word, point_, false, writes_);
            if (unit_box.kind == layout::Kind::result && (!box || box == &unit_box)) {
                boxes_.Show(unit_box, unit_word, {}, point_, false, writes_);
            }
        }
    }
}

void WindowLogic::SettingsChanged() {
    if (ended_) return;
    fields_.SetLocale(view_.ReadLocale());
    point_ = fields_.Locale().DecimalPoint();
    for (PartPicker& picker : pickers_) picker.SetLocale(fields_.Locale());
    describe_all_ = true;
    parts_stale_ = parts_open_;
    LayoutChanged();
}

void WindowLogic::TimerElapsed(Timer timer) {
    if (ended_) return;
    const Event event(*this);
    if (timer == Timer::pause) events_.Paused();
    if (timer == Timer::address) WriteAddress();
}

// An address edited to no circuit changes nothing, and gets the circuit's
// line back.
void WindowLogic::AddressEdited() {
    if (ended_ || !view_.HasAddress()) return;
    const Event event(*this);
    if (const auto circuit = address_.Edited(FragmentOf(view_.ReadAddress()))) OpenCircuit(*circuit, fields_, events_);
    view_.StopTimer(Timer::address);
    if (const auto fragment = address_.Written(fields_, true)) view_.WriteAddress(*fragment);
}

void WindowLogic::Hidden() {
    if (!ended_) WriteAddress();
}

void WindowLogic::SolutionShown(bool open) {
    if (ended_) return;
    const Event event(*this);
    solution_open_ = open;
    solution_stale_ = open;
}

void WindowLogic::PartsShown(bool open) {
    if (ended_) return;
    const Event event(*this);
    parts_open_ = open;
    parts_stale_ = open;
}

void WindowLogic::SetTolerance(Tolerance tolerance) {
    if (ended_ || tolerance == tolerance_) return;
    const Event event(*this);
    tolerance_ = tolerance;
    describe_all_ = true;
    parts_stale_ = parts_open_;
}

PartPicker& WindowLogic::PickerOf(int resistor) {
    return pickers_[static_cast<std::size_t>(std::clamp(resistor, 0, kResistorCount - 1))];
}

const PickerState& WindowLogic::PickerOpened(int resistor) {
    PartPicker& picker = PickerOf(resistor);
    const int index = std::clamp(resistor, 0, kResistorCount - 1);
    picker.Start(ExactValue(fields_, Field::txtRs, index, fields_.Read(Field::txtRs, index)), tolerance_,
                 fields_.Locale());
    return picker.State();
}

const PickerState& WindowLogic::PickerCount(int resistor, int count) {
    PickerOf(resistor).SetCount(count);
    return PickerOf(resistor).State();
}

const PickerState& WindowLogic::PickerPicked(int resistor, int band, int item) {
    PickerOf(resistor).Pick(band, item);
    return PickerOf(resistor).State();
}

const PickerState& WindowLogic::PickerCode(int resistor, std::string_view code) {
    PickerOf(resistor).SetCode(code);
    return PickerOf(resistor).State();
}

void WindowLogic::PickerTaken(int resistor) {
    if (ended_ || resistor < 0 || resistor >= kResistorCount) return;
    const std::optional<Magnitude> value = PickerOf(resistor).State().value;
    if (!value) return;
    const Event event(*this);
    EnterResistance(*value, resistor, fields_, events_);
}

void WindowLogic::End() {
    WriteAddress();  // an ended window keeps its circuit, for the next start
    ended_ = true;
    view_.StopTimer(Timer::pause);
    view_.StopTimer(Timer::address);
    view_.End();
}

// Each box once, before the report covers the window; the report itself
// runs outside the event, as a modal one takes events of its own.
void WindowLogic::ReportError(const RuntimeError& error) {
    if (!shown_) {
        if (!held_report_) held_report_ = error;
        return;
    }
    Flush();
    const int depth = std::exchange(depth_, 0);
    view_.ShowReport(texts::kErrorTitle, ErrorMessage(error));
    depth_ = depth;
}

void WindowLogic::AwaitPause(std::chrono::milliseconds pause) {
    if (!ended_) view_.StartTimer(Timer::pause, pause);
}

void WindowLogic::WriteAddress() {
    if (!view_.HasAddress()) return;
    view_.StopTimer(Timer::address);
    if (const auto fragment = address_.Written(fields_)) view_.WriteAddress(*fragment);
}

// A later write of the handlers into the control leaves its own selection.
void WindowLogic::Select(const layout::Control& control, int start, int end, bool scroll) {
    const std::uint64_t at = fields_.Stamp();
    for (Selection& selection : selections_) {
        if (selection.control == &control) {
            selection = {&control, start, end, scroll || selection.scroll, at};
            return;
        }
    }
    selections_.push_back({&control, start, end, scroll, at});
}

// The default written in place of what was no number stands selected where
// the user is typing, so that the next key replaces it; a write leaves the
// caret at the end, and an entry not in use shows its beginning instead.
void WindowLogic::WriteInput(FieldElement input) {
    const layout::Control& control = layout::ControlOf(input.field, input.index);
    const std::string& text = fields_.Shown(input.field, input.index);
    if (KindOf(input.field) == FieldKind::chooser) {  // by its word's place in the list
        writes_.push_back({.kind = ViewWrite::Kind::pick, .control = &control, .item = ItemOf(input.field, text)});
        return;
    }
    writes_.push_back({.kind = ViewWrite::Kind::text, .control = &control, .text = text});
    const std::uint64_t written = fields_.WrittenAt(input.field, input.index);
    for (const Selection& selection : selections_) {
        if (selection.control == &control && selection.at >= written) return;  // asked for after the write
    }
    const bool focused = view_.Focused() == &control;
    if (focused && text != control.text) return;
    Select(control, 0, focused ? -1 : 0);
}

void WindowLogic::ShowParts() {
    parts_stale_ = false;
    parts_ = PartsSectionOf(ListParts(fields_, tolerance_));
    for (int k = 0; k < kResistorCount; ++k) {
        writes_.push_back({.kind = ViewWrite::Kind::parts, .control = nullptr,
                           .text = parts_.parts[static_cast<std::size_t>(k)], .item = k});
    }
    writes_.push_back({.kind = ViewWrite::Kind::parts, .control = nullptr, .text = parts_.totals, .item = -1});
}

void WindowLogic::ShowResults() {
    fields_.TakeChangedResults(results_);
    if (results_.empty()) return;
    for (const HeldFieldSet::ChangedResult& result : results_) {
        const Field unit = UnitOf(result.value);
        const layout::Control& value_box = layout::ControlOf(result.value, result.index);
        const layout::Control& unit_box = layout::ControlOf(unit, result.index);
        boxes_.Show(value_box, result.text, result.unit, point_, result.text_changed, writes_);
        if (!result.unit_changed) continue;
        if (unit_box.kind == layout::Kind::result) {
            boxes_.Show(unit_box, result.unit, {}, point_, true, writes_);
        } else {
            writes_.push_back({.kind = ViewWrite::Kind::text, .control = &unit_box, .text = result.unit});
        }
    }
}

// The event's writes, in one batch: inputs, results, what is told of
// them, the solution, and then the selections; the focus once they are
// out, where the logic moves it, and its selection again after it.
void WindowLogic::Flush() {
    if (applying_) return;
    if (ended_) {
        writes_.clear();
        selections_.clear();
        return;
    }
    const bool touched = fields_.Touched();
    if (!touched && writes_.empty() && selections_.empty() && !focus_ && !solution_stale_ && !parts_stale_ &&
        !describe_all_) {
        return;
    }
    fields_.TakeWrittenInputs(inputs_);
    for (const FieldElement input : inputs_) WriteInput(input);
    ShowResults();
    bool inputs_changed = false;
    fields_.TakeChangedInputs(inputs_);
    for (const FieldElement changed : inputs_) {
        inputs_changed = true;
        if (changed.field == Field::txtRs || changed.field == Field::cboRs) descriptions_.Touched(changed.index);
    }
    if (std::exchange(describe_all_, false)) {
        for (int i = 0; i < kResistorCount; ++i) descriptions_.Touched(i);
    }
    descriptions_.Describe(fields_, tolerance_, view_, writes_);
    if (solution_open_ && view_.ShowsSolution() && (inputs_changed || !results_.empty() || solution_stale_)) {
        solution_stale_ = false;
        solution_ = SolutionList(SolveCircuit(fields_));
        writes_.push_back({.kind = ViewWrite::Kind::solution, .control = nullptr, .text = solution_});
    }
    if (parts_open_ && view_.ShowsParts() && (inputs_changed || !results_.empty() || parts_stale_)) ShowParts();
    for (const Selection& selection : selections_) {
        writes_.push_back({.kind = ViewWrite::Kind::select, .control = selection.control, .start = selection.start,
                           .end = selection.end, .scroll = selection.scroll});
    }
    if (inputs_changed && view_.HasAddress()) view_.StartTimer(Timer::address, kAddressPause);
    const layout::Control* focus = std::exchange(focus_, nullptr);
    std::optional<ViewWrite> focused_selection;
    for (const Selection& selection : selections_) {
        if (selection.control == focus) {
            focused_selection = ViewWrite{.kind = ViewWrite::Kind::select, .control = focus, .start = selection.start,
                                          .end = selection.end, .scroll = selection.scroll};
        }
    }
    selections_.clear();
    if (!writes_.empty()) {
        applying_ = true;
        view_.Apply(writes_);
        applying_ = false;
        writes_.clear();
    }
    if (!focus) return;
    view_.Focus(*focus);
    if (!focused_selection || ended_) return;
    applying_ = true;
    view_.Apply({*focused_selection});
    applying_ = false;
}

}  // namespace quorvel
