// Each decision of the window logic, one row each, on a view that records
// what it is asked, as a front end would be: a row plays raw events and
// lists the lines the view must then have seen, in order.

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "frontend/error_message.h"
#include "frontend/window_logic.h"
#include "test_support/recording_view.h"

namespace quorvel {
namespace {

using testing::RecordingView;

const layout::Control& Of(std::string_view name) { return *layout::ControlNamed(name); }

// A calculator loaded and shown, its view's record begun afresh.
struct Window {
    explicit Window(bool page = false) {
        view.page = page;
        logic.Load();
        logic.Shown();
        view.seen.clear();
    }
    // The user's typing, as a toolkit tells of it after the edit.
    void Type(std::string_view entry, const std::u16string& text, EntryInput input = EntryInput::typed,
              const std::u16string& pasted = {}) {
        view.focused = &Of(entry);
        logic.EntryEdited(Of(entry), {text, static_cast<int>(text.size())}, input, pasted);
    }
    bool Key(std::string_view target, int code, int modifiers = 0, std::u16string_view typed = {}, bool popup = false) {
        return logic.KeyPressed(target.empty() ? nullptr : &Of(target), {code, modifiers, typed, false, popup});
    }
    RecordingView view;
    WindowLogic logic{view};
};

struct Row {
    std::string_view decision;
    bool page;
    std::function<void(Window&)> play;
    std::vector<std::string> seen;  // in this order, among what the view saw
};

const Row kRows[] = {
    {"a key's code and modifiers: Ctrl with Up steps through E96; Shift and a Mac's command key leave it", false,
     [](Window& w) {
         w.logic.SetText(Field::txtRs, 1, "910");
         EXPECT_TRUE(w.Key("txtRs(1)", kKeyUp, kCtrlMask));
         EXPECT_FALSE(w.Key("txtRs(1)", kKeyUp, kShiftMask));
         EXPECT_FALSE(w.Key("txtRs(1)", kKeyUp, kMetaMask));
         EXPECT_FALSE(w.Key("txtIst", kKeyUp));
     },
     {"txtRs(1) = 931"}},
    {"a step leaves the new value selected; at an end of the series nothing changes", false,
     [](Window& w) {
         w.logic.SetText(Field::txtRs, 1, "910");
         w.Key("txtRs(1)", kKeyUp);
         w.logic.SetText(Field::txtRs, 2, "1000");
         w.logic.SetText(Field::cboRs, 2, "MOhm");
         const std::size_t before = w.view.seen.size();
         EXPECT_TRUE(w.Key("txtRs(2)", kKeyUp));
         EXPECT_EQ(w.view.seen.size(), before);
     },
     {"cboRs(1) picks 1", "txtRs(1) = 1", "txtRs(1) selects 0-end"}},
    {"key preview: every character reaches the key handler, Esc ends, unless a list or menu has it", false,
     [](Window& w) {
         EXPECT_FALSE(w.Key("cboRs(1)", kKeyEscape, 0, u"\x1b", true));
         EXPECT_FALSE(w.logic.Ended());
         EXPECT_TRUE(w.Key("cmdClear", kKeyEscape));  // a toolkit that names the key alone
         EXPECT_TRUE(w.logic.Ended());
     },
     {"end"}},
    {"start-up: the first entry focused and selected; a report only once the window shows", false,
     [](Window& w) {
         WindowLogic opened(w.view);
         w.view.focused = nullptr;
         opened.Load(ReadCircuit("1E300,1E300,1E300,1E300,1E300"));
         w.view.seen.push_back("shows");
         opened.Shown();
     },
     {"focus txtRs(0)", "txtRs(0) selects 0-end", "shows", "report Un rezultat este "}},
    {"an edit the entry's rules refuse: the text before, the caret before what it added", true,
     [](Window& w) {
         w.Type("txtRs(1)", u"123456");
         w.logic.EntryEdited(Of("txtRs(1)"), {u"1234567", 7}, EntryInput::typed);
     },
     {"txtRs(1) = 123456", "txtRs(1) selects 6-6"}},
    {"a paste's line breaks are dropped before it is read, the caret after the number", true,
     [](Window& w) {
         w.Type("txtRs(0)", u"4700\r\n", EntryInput::pasted, u"4700\r\n");
         w.Type("txtRs(1)", u"4K7\n", EntryInput::pasted, u"4K7\n");
     },
     {"txtRs(0) = 4700", "txtRs(0) selects 4-4", "txtRs(1) = 4K7", "cboRs(1) picks 1"}},
    {"an entry left for another control shows its beginning, its number written plainly", false,
     [](Window& w) {
         w.Type("txtRs(0)", u"4K7");
         w.view.focused = &Of("cboRs(0)");
         w.logic.FocusLeft(Of("txtRs(0)"), true);
         w.logic.FocusLeft(Of("txtIst"), false);  // for a popup: not left
     },
     {"txtRs(0) = 4.7", "txtRs(0) selects 0-0"}},
    {"a click into a lone \"0\" selects it, instead of the toolkit's caret", false,
     [](Window& w) {
         EXPECT_TRUE(w.logic.EntryPressed(Of("txtRs(1)")));
         w.Type("txtRs(2)", u"47");
         EXPECT_FALSE(w.logic.EntryPressed(Of("txtRs(2)")));
     },
     {"txtRs(1) selects 0-end", "focus txtRs(1)", "txtRs(1) selects 0-end"}},
    {"a result box in use, selected or scrolled, draws its text whole; left, its cut again", false,
     [](Window& w) {
         w.logic.SetText(Field::txtIst, 0, "1E300");
         w.logic.SetText(Field::txtRs, 0, "470");
         w.view.focused = &Of("txtUs(0)");
         w.logic.FocusEntered(Of("txtUs(0)"), true);
         w.logic.BoxMoved(Of("txtUs(0)"), 0, 3, false);
         w.logic.FocusLeft(Of("txtUs(0)"), true);
     },
     {"txtUs(0) = 4.7E+296", "txtUs(0) draws 4…E+296", "txtUs(0) selects 0-0", "txtUs(0) draws whole",
      "txtUs(0) draws 4…E+296", "txtUs(0) selects 0-0"}},
    {"the cut display: its mark, drawn smaller where even the shortest cut is too wide; the whole with its unit told", false,
     [](Window& w) {
         w.logic.SetText(Field::txtIst, 0, "1E300");
         w.logic.SetText(Field::txtRs, 0, "470");
         w.logic.TooltipAsked(Of("txtUs(0)"));
     },
     {"txtUs(0) = 4.7E+296", "txtUs(0) draws 4…E+296 at 0.91", "txtUs(0) says 4.7E+296 MV. Ten", "txtUs(0) tooltip 4.7E+296 MV"}},
    {"the copy commands, by their keys too, and what they tell; a browser keeps its reload", true,
     [](Window& w) {
         EXPECT_TRUE(w.Key("", 'C', kCtrlMask | kShiftMask));
         EXPECT_FALSE(w.Key("txtRs(0)", 'R', kCtrlMask | kShiftMask));
         w.view.refuses_copies = true;
         w.logic.Run(Command::copy_solution);
         w.logic.Run(Command::copy_link);
     },
     {"copy Element\tValoare\tUnitate\tTensiune\tUnitate\tPutere\tUnitate +html", "tell Circuitul a fost copiat ca tabel.",
      "copy Rezolvare +html", "tell Browserul nu a lăsat pagina să copieze.", "copy file:///quorvel.html",
      "tell Browserul nu a lăsat pagina să copieze."}},
    {"a resistor described again once its text or unit changed: in the window, its description begins with the value", false,
     [](Window& w) {
         w.Type("txtRs(1)", u"4.8");
         w.logic.Picked(Of("cboRs(1)"), 1);
         w.logic.TooltipAsked(Of("txtRs(1)"));
     },
     {"txtRs(1) says 4.8 Ohm. Valoare", "txtRs(1) says 4.8 kOhm. Valoar",
      "txtRs(1) tooltip E24: 4.7 kOhm (\u22122.1 %) \u00B7 E96: 4.75 kOhm (\u22121.0 %)"}},
    {"a resistor described again on a page: its value told apart, its tooltip unasked", true,
     [](Window& w) { w.Type("txtRs(1)", u"4.8"); },
     {"txtRs(1) tooltip E24: 4.7 Ohm (\u22122.1 %) \u00B7 E96: 4.75 Ohm (\u22121.0 %)", "txtRs(1) says 4.8 Ohm"}},
    {"a chooser written by its word; what the toolkit tells while it takes the writes is their echo", false,
     [](Window& w) {
         w.view.during_apply = [&w] {
             w.view.texts[&Of("txtRs(3)")] = "77";
             w.logic.EntryChanged(Of("txtRs(3)"));
         };
         w.logic.SetText(Field::cboRs, 3, "MOhm");
         EXPECT_EQ(w.logic.Fields().Text(Field::txtRs, 3), "0");
     },
     {"cboRs(3) picks 2"}},
    {"each result box written once per event, where it changed", false,
     [](Window& w) {
         w.Type("txtRs(0)", u"1");
         const auto written = [&w](const char* box) {
             return std::count_if(w.view.seen.begin(), w.view.seen.end(), [box](const std::string& s) { return s.starts_with(box); });
         };
         EXPECT_EQ(written("txtRst = "), 1);
         EXPECT_EQ(written("txtUs(0) = "), 0);  // still 0 V
     },
     {"txtRst = 1", "txtRs(0) says 1 Ohm. Valoarea "}},
    {"the address: after a pause, when hidden, before a link is copied, at the end; an edited one opens its circuit", true,
     [](Window& w) {
         w.Type("txtRs(0)", u"47");
         w.logic.TimerElapsed(Timer::address);
         w.logic.Hidden();  // written already: nothing
         w.view.address = "file:///quorvel.html#1,2,3,4,5";
         w.logic.AddressEdited();
         w.Type("txtIst", u"9");
         w.Key("txtIst", kKeyEscape);
     },
     {"address in 300", "address 47R,0R,0R,0R,0A", "address 1R,2R,3R,4R,5A", "address in 300",
      "address 1R,2R,3R,4R,9A", "end"}},
    {"the worked solution built once per change while its section is open", true,
     [](Window& w) {
         w.logic.SolutionShown(true);
         w.Type("txtRs(0)", u"5");
         w.logic.BoxMoved(Of("txtRs(0)"), 0, 0, false);  // no change
         w.logic.SolutionShown(false);
         w.Type("txtRs(0)", u"6");
         EXPECT_EQ(std::count_if(w.view.seen.begin(), w.view.seen.end(), [](const std::string& s) { return s.starts_with("solution"); }), 2);
     },
     {"solution <ol>\n<li><b>Rezisten", "solution <ol>\n<li><b>Rezisten"}},
    {"the parts section: a block a resistor and the totals, once per change while open, and again at a new tolerance", true,
     [](Window& w) {
         w.logic.PartsShown(true);
         w.Type("txtRs(0)", u"470");
         w.logic.SetTolerance(Tolerance{100});
         w.logic.PartsShown(false);
         w.Type("txtRs(0)", u"47");
         EXPECT_EQ(std::count_if(w.view.seen.begin(), w.view.seen.end(), [](const std::string& s) { return s.starts_with("parts -1"); }), 3);
     },
     {"parts 0 <p class=\"part-value\"><b>R1", "parts -1 <p class", "parts 0 <p class=\"part-value\"><b>R1",
      "txtRs(0) tooltip E24: 470 Ohm (0.0 %) \u00B7 E96: 475 Ohm (+1.1 %)\nBenzi la \u00B11 %: galben violet negru negru maro",
      "parts 0"}},
    {"a part picked: from the entry's bands (four at 0), a count kept, taken as a paste with its unit; not before it has formed", false,
     [](Window& w) {
         w.logic.SetText(Field::txtRs, 2, "4K7");
         EXPECT_EQ(w.logic.PickerOpened(3).bands.size(), 4);  // an entry at 0: a part's bands to pick, not a jumper's
         EXPECT_EQ(w.logic.PickerOpened(2).count, 4);
         EXPECT_EQ(w.logic.PickerCount(2, 5).read, "");  // its third figure is not picked yet
         EXPECT_EQ(w.logic.PickerPicked(2, 2, 0).read, "47 kOhm \u00B15 %");  // its multiplier stayed
         EXPECT_EQ(w.logic.PickerCode(2, "R22").read, "0.22 Ohm");
         w.logic.PickerTaken(2);
         w.logic.PickerCode(1, "4X7");
         w.logic.PickerTaken(1);
         w.logic.Run(Command::copy_parts);
     },
     {"cboRs(2) picks 1", "txtRs(2) = 0.22", "cboRs(2) picks 0", "copy Lista de piese, toleran\u021Ba circuitului \u00B15 % +html"}},
};

TEST(WindowLogic, EachDecisionAsItsRowSays) {
    for (const Row& row : kRows) {
        Window window(row.page);
        row.play(window);
        const std::vector<std::string>& seen = window.view.seen;
        auto at = seen.begin();
        for (const std::string& line : row.seen) {
            at = std::find_if(at, seen.end(), [&line](const std::string& s) { return s.starts_with(line); });
            EXPECT_NE(at, seen.end()) << row.decision << ": no " << line;
            if (at == seen.end()) break;
            ++at;
        }
    }
}

// What the report says of each run-time error, and of one of the
// calculator's own, whose text stands as given.
TEST(WindowLogic, EachReportInRomanian) {
    const std::pair<RuntimeError, std::string> reports[] = {
        {OverflowError(), "Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
                          "Micșorați o valoare sau alegeți o unitate mai mică."},
        {ConversionError(), "O valoare nu a putut fi citită ca număr (eroarea 13)."},
        {InvalidArgumentError(), "Eroare neașteptată (eroarea 5)."},
        {OwnReport("R1 \"<b>\" nu se citește."), "R1 \"<b>\" nu se citește."},
    };
    for (const auto& [error, text] : reports) EXPECT_EQ(ErrorMessage(error), text) << error.number();
}

}  // namespace
}  // namespace quorvel
