#pragma once

// The calculator's window, below every front end: it makes every decision
// the window makes, toolkit-free, and is tested headless. A front end gives
// it the operations of frontend/window_view.h and forwards its toolkit's raw
// events to the methods below; it decides nothing itself.
//
// The road of one key, in any front end: the user types "5" into txtRs(1).
// 1. The toolkit tells of the key before the entry has it: the front end
//    calls KeyPressed (a key code, the modifiers, what it types). The key
//    reaches the window's key handler (events/dispatcher.h); had it been a
//    command's keys, Up or Down, the logic would have taken it.
// 2. The entry edits its text. A toolkit that tells of an edit before it is
//    made (a validator, WM_CHAR) calls EditProposed and shows what it
//    returns, then EntryChanged once the text has changed; one that tells
//    after (a page's input event) calls EntryEdited, which does both.
// 3. The logic runs the entry's change handler, which recalculates. Its
//    writes are held (frontend/held_field_set.h) and, once the event is
//    over, go to the front end in one batch (WindowView::Apply): each result
//    box that changed, drawn whole or cut (frontend/result_boxes.h), the
//    resistor described again (frontend/entry_description.h).
// 4. A run-time error is told once the window shows, where the typing
//    caused it once the user pauses (Timer::pause).
//
// Which file decides what:
// - what a key means: window_keys.h; what each command copies: window_commands.h;
// - what an edit leaves in an entry: typed_limit.h; a click into an entry
//   and a move of the focus: entry_focus.h;
// - what a result box shows: result_boxes.h; when a resistor is described: entry_description.h;
// - a circuit in the address: circuit_address.h; from outside: circuit_from_outside.h;
// - start-up, the report, the timers, the end, and acting on the above: here.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events/dispatcher.h"
#include "frontend/circuit_address.h"
#include "frontend/circuit_text.h"
#include "frontend/entry_description.h"
#include "frontend/held_field_set.h"
#include "frontend/part_picker.h"
#include "frontend/parts_list.h"
#include "frontend/result_boxes.h"
#include "frontend/typed_limit.h"
#include "frontend/window_commands.h"
#include "frontend/window_keys.h"
#include "frontend/window_view.h"

namespace quorvel {

class WindowLogic final : private Platform {
public:
    // The view's controls stand in their creation state, as built from the
    // layout table.
    explicit WindowLogic(WindowView& view);
    WindowLogic(const WindowLogic&) = delete;
    WindowLogic& operator=(const WindowLogic&) = delete;

    // The fields as the calculator sees them. Text reads what a control
    // shows; SetText writes as a handler does, and raises the control's
    // handler: for checks and for starting a window with inputs.
    const FieldSet& Fields() const { return fields_; }
    void SetText(Field field, int index, const std::string& text);

    // Start-up: the load event; then the circuit from outside, given or
    // the address's; then what the front end did before it could forward
    // events (a page's log of early keys), as before(); then the focus
    // stays where the user put it, else the first entry has it, its text
    // selected, so that the first key replaces it.
    void Load(const std::optional<Circuit>& circuit = std::nullopt, const std::function<void()>& before = {});
    // The window shows now: a report held till then shows.
    void Shown();

    // A key pressed in the target control (none: elsewhere on a page),
    // before the control has it. True where the logic took it: the control
    // must not have it too.
    bool KeyPressed(const layout::Control* target, const KeyEvent& key);

    // The user's edit of an entry, about to be made: what the entry is to
    // show instead, caret included; not taken where it is refused.
    // proposed: the text as the edit would leave it, the caret after it;
    // pasted: what a paste or a drop puts in.
    EntryAfterEdit EditProposed(const layout::Control& entry, TypedText proposed, EntryInput input,
                                std::u16string_view pasted = {});
    // An entry's text has changed, by the user (an edit, an undo); the
    // logic reads it (WindowView::ControlText).
    void EntryChanged(const layout::Control& entry);
    // An edit the toolkit has already made, with the caret after it: the
    // logic shows what EditProposed would have, then handles the change.
    void EntryEdited(const layout::Control& entry, TypedText edited, EntryInput input, std::u16string_view pasted = {});
    // The user picked a chooser's item (by the keyboard or the mouse).
    void Picked(const layout::Control& chooser, int item);
    // The main button pressed, or a tap, into an entry. True where the
    // logic selects the entry's text: the toolkit gives the entry the focus
    // but places no caret, now or later.
    bool EntryPressed(const layout::Control& entry);
    // The focus left a control: for another control of the window (by Tab,
    // a click or a tap, the button included), or not (for a popup, the
    // report, another window, or nowhere as the window loses the focus).
    void FocusLeft(const layout::Control& from, bool to_control);
    // The focus entered a control: from another control of the window, or
    // back from elsewhere.
    void FocusEntered(const layout::Control& to, bool from_control);
    // The user moved the caret or the selection in a focused result box,
    // or scrolled its text (start == end: a caret).
    void BoxMoved(const layout::Control& box, int start, int end, bool scrolled);
    // A button of the window clicked (cmdClear).
    void Clicked(const layout::Control& button);
    // A command chosen from a menu, a button or by its keys.
    void Run(Command command);
    // The toolkit is about to show the control's tooltip (where
    // WindowView::AsksForTooltips): the logic writes it first.
    void TooltipAsked(const layout::Control& control);
    // A result box's size, font or style changed; none: the whole layout.
    void LayoutChanged(const layout::Control* box = nullptr);
    // The user's regional settings changed.
    void SettingsChanged();
    void TimerElapsed(Timer timer);
    // The user edited the window's address (WindowView::HasAddress).
    void AddressEdited();
    // The window is hidden or left (a page in another tab, or unloaded).
    void Hidden();
    // The section of the worked solution opened or closed (WindowView::ShowsSolution).
    void SolutionShown(bool open);

    // The section of the parts list opened or closed (WindowView::ShowsParts).
    void PartsShown(bool open);
    // The one tolerance of the circuit's parts, which the parts list, its
    // ranges and the resistors' tooltips use: the menus' "Toleranță", the
    // page's chooser. ±5 % at start.
    Tolerance CircuitTolerance() const { return tolerance_; }
    void SetTolerance(Tolerance tolerance);

    // A resistor's part picker (part_picker.h): the window's dialog, the
    // page's choosers. Opened, it starts from the entry's value; each
    // change returns what the picker shows now, until the next one.
    const PickerState& PickerOpened(int resistor);
    const PickerState& PickerCount(int resistor, int count);
    const PickerState& PickerPicked(int resistor, int band, int item);
    const PickerState& PickerCode(int resistor, std::string_view code);
    // The picked value into the resistor's entry, as a paste and a Tab
    // would put it, the chooser at the unit it reads best in; nothing
    // before the value has formed.
    void PickerTaken(int resistor);

    bool Ended() const { return ended_; }

private:
    // Each raw event is one: its writes go out when it is over.
    class Event;
    friend class Event;

    // Platform
    void End() override;
    void ReportError(const RuntimeError& error) override;
    void AwaitPause(std::chrono::milliseconds pause) override;

    void Flush();
    void WriteInput(FieldElement input);
    void ShowResults();
    void Select(const layout::Control& control, int start, int end, bool scroll = false);
    void WriteAddress();
    void ShowParts();
    PartPicker& PickerOf(int resistor);

    WindowView& view_;
    HeldFieldSet fields_;
    EventDispatcher events_;
    ResultBoxes boxes_;
    ResistorDescriptions descriptions_;
    CircuitAddress address_;

    int depth_ = 0;          // raw events running, nested
    bool applying_ = false;  // the view is taking the writes: what it tells of them is their echo
    std::vector<ViewWrite> writes_;
    std::vector<HeldFieldSet::ChangedResult> results_;
    std::vector<FieldElement> inputs_;  // written or changed, as taken from fields_
    struct Selection {
        const layout::Control* control;
        int start, end;
        bool scroll;
        std::uint64_t at;  // fields_.Stamp() when asked: a handler's later write wins
    };
    std::vector<Selection> selections_;
    const layout::Control* focus_ = nullptr;  // to be given the focus once the writes are out
    std::optional<RuntimeError> held_report_;  // told before the window showed
    std::string point_;     // the settings' decimal point
    std::string solution_;  // the HTML the section shows
    std::array<PartPicker, kResistorCount> pickers_;
    PartsSection parts_;  // the HTML the parts section shows
    Tolerance tolerance_ = kStartTolerance;
    bool describe_all_ = false;  // the settings or the tolerance changed: every resistor described again
    bool parts_open_ = false;
    bool parts_stale_ = false;
    bool solution_open_ = false;
    bool solution_stale_ = false;  // opened: shown afresh with the event's writes
    bool shown_ = false;
    bool ended_ = false;
};

}  // namespace quorvel
