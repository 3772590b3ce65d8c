#pragma once

// What a front end gives the window logic (frontend/window_logic.h), and all
// it gives: a few coarse operations on its widgets. The logic decides
// everything the window does; a front end builds its widgets from the layout
// table (frontend/window_layout.h), implements this interface over them and
// forwards its toolkit's raw events to the logic (window_logic.h lists them).
//
// Writing a front end (ui/widget_view.cpp is the Qt one, web/page_view.cpp
// the page's):
// 1. Create a widget for every control of layout::kControls, as the table
//    describes it, and keep a map both ways between your widgets and the
//    table's entries: a control is named by its entry, `const
//    layout::Control&`, and layout::IndexOf gives it a number 0..N-1 for an
//    array. Lines and dots you only draw.
// 2. Implement the operations below. Each says what it must do; none asks
//    you to decide anything. Texts are UTF-8, except where a u16 type says
//    UTF-16; positions in a text count UTF-16 units, as every toolkit does.
// 3. Construct a WindowLogic over your view, call Load() and, once your
//    window is on the screen, Shown(). Then forward every event window_logic.h
//    lists, each once: a key as window_keys.h says; an entry's edit before
//    it is made (EditProposed, then EntryChanged) or after (EntryEdited),
//    whichever your toolkit tells; a move of the focus as FocusLeft, then
//    FocusEntered. While the logic applies its writes (Apply), your toolkit
//    will report changes of its own (a text changed, an item picked):
//    forward them too; the logic knows them for its own.
// 4. test_support/recording_view.h is a view without a toolkit: what it
//    records is what yours is asked, event by event.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/window_layout.h"
#include "number/number_text.h"

namespace quorvel {

// The timers the logic asks for. Keep one of each; starting one that runs
// starts it again from now.
enum class Timer {
    pause,    // the user's pause in typing, which a report waits for
    address,  // the pause after which a page's address takes the circuit
};

// One write of the logic into a control. The logic gathers an event's writes
// and gives them in one batch when the event is over, in an order to follow
// as given: a control's text before its selection.
struct ViewWrite {
    enum class Kind {
        // An entry's, a result box's or a label's whole text. Put it in as
        // it stands: never cut by a typed limit nor checked by the entry's
        // rules (a validator, a limit on its length). A label takes the
        // size of its caption. Where the text is that of a result box that
        // draws a cut, the box still holds the whole text, for selecting
        // and copying.
        text,
        // A chooser's item, `item` (-1: none), by its place in the list.
        pick,
        // A text box's selection, `start` to `end` (UTF-16 units; end -1:
        // the text's end), the caret at `end`; where `scroll`, the box also
        // scrolls back to the beginning of its text, as a toolkit that
        // scrolls with the caret does anyway.
        select,
        // How a result box draws its text: `cut` false, as the toolkit
        // draws it (scrolled as the user scrolls); `cut` true, `text`
        // instead, within the box's room, at `size` times its font's size.
        draw,
        // The control's tooltip, `text` (empty: none).
        tooltip,
        // What a screen reader hears of the control beyond its text and
        // name: `spoken` its accessible description (empty: as it was), and
        // where the toolkit has a place for it (WindowView::TellsValues),
        // `value` what it hears as the control's value ("4,7 kOhm"; empty:
        // as it was).
        describe,
        // The worked solution, as HTML for its section (`text`): only a
        // front end that has such a section (WindowView::ShowsSolution).
        solution,
        // A block of the parts section, as HTML (`text`): resistor `item`
        // (0 to 3), or the totals (-1); only a front end that has such a
        // section (WindowView::ShowsParts).
        parts,
    };
    Kind kind;
    const layout::Control* control;  // none for the solution
    std::string_view text = {};
    std::string_view spoken = {};
    std::string_view value = {};
    int item = -1;
    int start = 0;
    int end = 0;
    double size = 1;
    bool cut = false;
    bool scroll = false;
};

// What the logic needs to know of a result box to decide what it shows,
// read when the layout changes, never at a write.
struct BoxRoom {
    double room = 0;   // the width a text has inside the box's frame, margins and padding
    // How much wider than its text the box must be to show it without
    // scrolling (the caret beside it, the pixel a line edit keeps free).
    double slack = 0;
    // Where the toolkit rounds a text's width to whole units before it
    // compares it with the room.
    bool whole_units = false;
    // Boxes with the same font say so with the same number: what one
    // measured serves the others.
    int font = 0;
};

class WindowView {
public:
    virtual ~WindowView() = default;

    // The current text of an entry (the user may have changed it).
    virtual std::string ControlText(const layout::Control& entry) const = 0;
    // The control that has the focus, if it is one of the calculator's.
    virtual const layout::Control* Focused() const = 0;
    // Moves the focus to the control. Its toolkit may tell the logic of it
    // at once, by the events a move of the focus raises.
    virtual void Focus(const layout::Control& control) = 0;
    // The event's writes, in one batch; the views in them last until it returns.
    virtual void Apply(const std::vector<ViewWrite>& writes) = 0;

    // The user's regional settings as the number rules take them; asked
    // at start and again when the front end forwards SettingsChanged.
    virtual NumberLocale ReadLocale() const = 0;
    // A result box's room, as its toolkit lays it out now.
    virtual BoxRoom Room(const layout::Control& box) const = 0;
    // The width of a UTF-8 text in the box's font at size times its size,
    // in the unit of BoxRoom. The logic measures each character once per
    // font at size 1 and adds them up, as a box's font is drawn without
    // kerning; other sizes only for a text drawn smaller.
    virtual double TextWidth(const layout::Control& box, std::string_view text, double size) const = 0;

    // Puts text and HTML on the clipboard (html empty: text only); false
    // where the platform would not let it.
    virtual bool Copy(const std::string& text, const std::string& html) = 0;
    // The line that tells what the last command did; a front end without
    // one ignores it.
    virtual void Tell(const std::string& told) = 0;
    // A run-time error's report, modal over the window: its title and its
    // text, lines separated by "\n", a warning sign and one OK button,
    // which Esc presses too. The logic asks for it only once the window
    // shows.
    virtual void ShowReport(std::string_view title, const std::string& text) = 0;
    // Calls the logic's TimerElapsed(timer) once the time has gone by.
    virtual void StartTimer(Timer timer, std::chrono::milliseconds after) = 0;
    virtual void StopTimer(Timer timer) = 0;
    // Ends the calculator at once: the window closes, or the page takes it
    // away. No event is forwarded afterwards.
    virtual void End() = 0;

    // What a front end may lack, or keep for itself.
    // Keys its platform keeps (a browser's reload), which the logic leaves
    // to it though a command has them.
    virtual bool KeepsKeys(int /*code*/, int /*modifiers*/) const { return false; }
    // Whether the toolkit asks for a tooltip when it is about to show it
    // (the logic's TooltipAsked); otherwise the logic writes each tooltip
    // whenever it changes.
    virtual bool AsksForTooltips() const { return true; }
    // Whether the toolkit gives a screen reader a control's value apart
    // from its text and description (a page's aria-valuetext); otherwise
    // the description begins with it.
    virtual bool TellsValues() const { return false; }
    // Whether the window has an address that holds its circuit (a page's
    // link), which the logic reads and writes below.
    virtual bool HasAddress() const { return false; }
    virtual std::string ReadAddress() const { return {}; }  // the fragment, without its "#"
    virtual void WriteAddress(const std::string& /*fragment*/) {}
    // Whether the window has a section for the worked solution.
    virtual bool ShowsSolution() const { return false; }
    // Whether the window has a section for the parts list.
    virtual bool ShowsParts() const { return false; }
};

}  // namespace quorvel
