// The user's road through the real widgets: typing, pasting, picking,
// clicking, Esc and the run-time error report.

#include <algorithm>
#include <array>
#include <map>

#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QMimeData>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

#include "calc/units.h"
#include "test_support/typed_keys.h"
#include "ui/result_box.h"
#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using testing::ExpectedResults;
using testing::Find;
using testing::PasteOver;
using testing::Results;
using Texts = std::vector<std::string>;

// A number written with the decimal separator of the user's settings.
QString Local(QString number) { return number.replace('.', QLocale::system().decimalPoint()); }
std::string LocalText(const char* number) { return Local(number).toStdString(); }

void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void PickByKeyboard(QComboBox* chooser, int item) {
    chooser->setFocus();
    while (chooser->currentIndex() < item) QTest::keyClick(chooser, Qt::Key_Down);
    while (chooser->currentIndex() > item) QTest::keyClick(chooser, Qt::Key_Up);
}

void PickByMouse(QComboBox* chooser, int item) {
    chooser->showPopup();
    QAbstractItemView* list = chooser->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect row = list->visualRect(list->model()->index(item, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
}

TEST(WindowEvents, StartsWithTheDefaultsAndTheirResults) {
    auto window = testing::StartedWindow();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Find<QComboBox>(*window, "cboRs", i)->currentText(), "Ohm");
    EXPECT_EQ(Find<QComboBox>(*window, "cboIst")->currentText(), "A");
    EXPECT_EQ(Results(*window), testing::kZeroResults);
    // What the user types first replaces the "0" of the first entry.
    auto* first = Find<QLineEdit>(*window, "txtRs", 0);
    EXPECT_EQ(first->selectedText(), "0");
    QTest::keyClicks(first, "470");
    EXPECT_EQ(first->text(), "470");
}

// A result too long for its box shows it cut; the whole text, with its unit,
// is in the tooltip, the description and a copy.
TEST(WindowEvents, ShowLongResultsFromTheirBeginning) {
    struct Box {
        Field field;
        int index;
        bool cut;
    };
    struct Case {
        std::array<const char*, 4> resistors;
        const char* resistor_unit;  // of the last three; the first is in Ohm
        const char* current;
        std::vector<Box> boxes;
    };
    const Case cases[] = {
        {{"470", "2,2", "1000", "33"}, "kOhm", "5", {{Field::txtUst, 0, true}, {Field::txtRst, 0, false},
                                                     {Field::txtPst, 0, false}, {Field::txtUMUst, 0, false}}},
        {{"999999", "999999", "999999", "999999"}, "MOhm", "999999",
         {{Field::txtUst, 0, true}, {Field::txtPs, 1, true}, {Field::txtUs, 3, true}, {Field::txtRst, 0, false},
          {Field::txtUMPs, 1, false}}},
        // Even the shortest cut, 4…E+296 MV, is wider than the box: drawn smaller.
        {{"470", "0", "0", "0"}, "Ohm", "1E300", {{Field::txtUs, 0, true}}},
    };
    for (const auto& c : cases) {
        auto window = testing::StartedWindow();
        for (int i = 0; i < 4; ++i) {
            window->SetText(Field::txtRs, i, c.resistors[static_cast<std::size_t>(i)]);
            if (i > 0) window->SetText(Field::cboRs, i, c.resistor_unit);
        }
        window->SetText(Field::txtIst, c.current);
        for (const Box& b : c.boxes) {
            auto* box = static_cast<ResultBox*>(window->findChild<QLineEdit*>(QString::fromStdString(ControlName(b.field, b.index))));
            const QString whole = QString::fromStdString(window->Text(b.field, b.index));
            const QString what = box->objectName() + " " + whole;
            EXPECT_EQ(box->text(), whole) << what.toStdString();
            EXPECT_TRUE(!b.cut || box->cursorPosition() == 0) << what.toStdString();  // not scrolled to its end
            // Cut, it draws the display rule's cut, marked, within the box's margins.
            const QString shown = box->VisibleText();
            EXPECT_EQ(shown.contains(QStringLiteral("…")), b.cut) << what.toStdString();
            EXPECT_LE(QFontMetricsF(box->VisibleFont()).horizontalAdvance(shown), box->LineRect().width()) << what.toStdString();
            QHelpEvent asked(QEvent::ToolTip, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(box, &asked);
            if (b.cut) {
                const QString with_unit = whole + ' ' + QString::fromStdString(window->Text(UnitOf(b.field), b.index));
                EXPECT_EQ(box->toolTip(), with_unit) << what.toStdString();
                EXPECT_TRUE(box->accessibleDescription().startsWith(with_unit)) << what.toStdString();
            } else {
                EXPECT_EQ(box->toolTip(), "") << what.toStdString();
            }
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text(), whole) << what.toStdString();
        }
    }
}

// Each result and unit box is written once per event, and only when what it
// shows changes: one keystroke that changes every result, one that changes none.
TEST(WindowEvents, WriteEachResultOnceAndOnlyWhenItChanges) {
    auto window = testing::StartedWindow();
    for (int i = 0; i < 4; ++i) {
        window->SetText(Field::txtRs, i, "1");
        window->SetText(Field::cboRs, i, "kOhm");
    }
    window->SetText(Field::txtIst, "1");
    window->SetText(Field::cboIst, "mA");
    std::map<QString, int> writes;
    for (Field field : testing::kResultFields) {
        for (int i = 0; i < CountOf(field) && field != Field::lblUMs; ++i) {
            auto* box = window->findChild<QLineEdit*>(QString::fromStdString(ControlName(field, i)));
            QObject::connect(box, &QLineEdit::textChanged, [&writes, box] { ++writes[box->objectName()]; });
        }
    }
    auto* clear = Find<QPushButton>(*window, "cmdClear");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Space);  // ten recalculations
    EXPECT_EQ(writes.size(), 21u);
    for (const auto& [box, count] : writes) EXPECT_EQ(count, 1) << box.toStdString();
    EXPECT_EQ(window->Text(Field::lblUMs), "Ohm");

    writes.clear();
    auto* entry = Find<QLineEdit>(*window, "txtRs", 0);
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_End);
    QTest::keyClick(entry, Qt::Key_0);  // "00": the same circuit
    EXPECT_EQ(entry->text(), "00");
    EXPECT_TRUE(writes.empty());
}

TEST(WindowEvents, ComputeTheTypedCircuit) {
    auto window = testing::StartedWindow();
    const char* values[] = {"100", "2.2", "1", "470"};
    const int units[] = {0, 1, 2, 0};
    for (int i = 0; i < 4; ++i) {
        TypeOver(Find<QLineEdit>(*window, "txtRs", i), Local(values[i]));
        if (i % 2) {
            PickByKeyboard(Find<QComboBox>(*window, "cboRs", i), units[i]);
        } else {
            PickByMouse(Find<QComboBox>(*window, "cboRs", i), units[i]);
        }
    }
    TypeOver(Find<QLineEdit>(*window, "txtIst"), "5");
    PickByMouse(Find<QComboBox>(*window, "cboIst"), 1);

    EXPECT_EQ(Find<QLineEdit>(*window, "txtRs", 1)->text(), Local("2.2"));
    EXPECT_EQ(Results(*window),
              (Texts{LocalText("1.003"), "MOhm", LocalText("5.01385"), "kV", "500", "11", "5", LocalText("2.35"), "mV",
                     "V", "kV", "V", LocalText("2.5"), "55", "25", LocalText("11.75"), "mW", "mW", "W", "mW",
                     LocalText("25.069"), "W"}));

    // Ctrl+Shift+C from any control: the table on the clipboard, as text and as HTML.
    QTest::keyClick(Find<QComboBox>(*window, "cboIst"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains("\nR1\t100\tOhm\t500\tmV\t" + Local("2.5") + "\tmW\n")) << copied->text().toStdString();
    EXPECT_TRUE(copied->html().contains("<td>R1</td>")) << copied->html().toStdString();
    // Ctrl+Shift+R: the worked solution, as text and as HTML.
    QTest::keyClick(Find<QLineEdit>(*window, "txtRs", 0), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains("U1 = R1 · I = 100 Ohm · " + Local("0.005") + " A = " + Local("0.5") + " V = 500 mV"))
        << copied->text().toStdString();
    EXPECT_TRUE(copied->html().contains("<li><b>Rezistența totală</b>: R = R<sub>1</sub>")) << copied->html().toStdString();
    // Ctrl+Shift+P: the parts list, as text and as HTML.
    QTest::keyClick(Find<QComboBox>(*window, "cboRs", 3), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains("\nR1: 100 Ohm ±5 %")) << copied->text().toStdString();
    EXPECT_FALSE(copied->html().isEmpty());

    Find<QPushButton>(*window, "cmdClear")->click();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Find<QLineEdit>(*window, "txtRs", i)->text(), "0");
    EXPECT_EQ(Find<QComboBox>(*window, "cboIst")->currentText(), "A");
    EXPECT_EQ(Results(*window)[0], "0");
    EXPECT_EQ(Results(*window), ExpectedResults(*window));
}

TEST(WindowEvents, CorrectEntriesInPlace) {
    struct Case {
        const char* what;
        QString input;
        bool paste;
        QString shown;
    };
    const QString beyond_limit = Local("0." + QString(40000, '0') + "1");
    const Case cases[] = {
        {"letters", "abc", false, "0"},
        {"a lone minus", "-", false, "-"},
        {"letters after a number", "7x", false, "0"},
        {"an exponent on its way", "1E", false, "1E"},
        {"a negative number", Local("-12.5"), true, Local("12.5")},
        {"a half-typed number", Local("1."), false, Local("1.")},
        {"a seventh character", "1234567", false, "123456"},
        {"a long paste, kept whole", Local("22.1017547"), true, Local("22.1017547")},
        {"a paste beyond the line edit's own limit", beyond_limit, true, beyond_limit},
        {"a negative with an exponent", "-1E9", true, "1000000000"},
        {"a negative zero", "-0", true, "-0"},
        {"a paste ending in a spreadsheet's line break", "4700\r\n", true, "4700"},
    };
    for (const auto& c : cases) {
        auto window = testing::StartedWindow();
        window->SetText(Field::txtIst, "1");
        auto* entry = Find<QLineEdit>(*window, "txtRs", 2);
        if (c.paste) {
            PasteOver(entry, c.input);
        } else {
            TypeOver(entry, c.input);
        }
        EXPECT_EQ(entry->text(), c.shown) << c.what;
        EXPECT_EQ(Results(*window), ExpectedResults(*window)) << c.what;
    }
}

// A number typed a key at a time is the number computed; the "0" that
// replaces what is no number stands selected, so the next key replaces it.
TEST(WindowEvents, TypedKeyByKeyIsTheNumberComputed) {
    using testing::Typed;
    const NumberLocale locale = SystemNumberLocale();
    for (const auto& row : testing::kTypedKeys) {
        for (const Field field : {Field::txtRs, Field::txtIst}) {
            if (row.into != Typed::both && (row.into == Typed::current) != (field == Field::txtIst)) continue;
            auto window = testing::StartedWindow();
            const int index = field == Field::txtRs ? 1 : 0;
            if (field == Field::txtIst) window->SetText(Field::txtRs, 0, "1");
            auto* entry = Find<QLineEdit>(*window, NameOf(field), ElementOf(field, index));
            entry->setFocus();
            QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
            std::vector<std::string> shown;
            for (const QChar key : QString::fromUtf8(row.keys)) {
                if (key == '\b') {
                    QTest::keyClick(entry, Qt::Key_Backspace);
                } else {
                    QTest::keyClicks(entry, key);
                }
                shown.push_back(entry->text().toStdString());
            }
            const std::string what = std::string(row.keys) + " into " + ControlName(field, index);
            EXPECT_EQ(shown, testing::ShownAfterEachKey(row, locale)) << what;
            const std::string chooser = window->Text(ChooserOf(field), index);
            EXPECT_EQ(chooser, *row.chooser ? row.chooser : field == Field::txtRs ? "Ohm" : "A") << what;
            if (row.into != Typed::both || field == Field::txtRs) {
                EXPECT_EQ(testing::TotalOf(*window, field), testing::Localized(row.total, locale)) << what;
            }
            EXPECT_EQ(Results(*window), ExpectedResults(*window)) << what;
            QTest::keyClick(entry, Qt::Key_Tab);  // on to its chooser
            EXPECT_EQ(entry->text().toStdString(), testing::Localized(row.left, locale)) << what;
            EXPECT_EQ(Results(*window), ExpectedResults(*window)) << what;
        }
    }
}

// A click into an entry that holds only its "0" selects it, as Tab does, so
// that the first key replaces it, whether or not it had the focus; into any
// other text it puts the caret.
TEST(WindowEvents, AClickIntoTheDefaultSelectsIt) {
    auto window = testing::StartedWindow();
    auto* first = Find<QLineEdit>(*window, "txtRs", 0);  // it has the focus
    auto* second = Find<QLineEdit>(*window, "txtRs", 1);
    const QPoint left_edge(3, second->height() / 2);  // before the right-aligned text
    QTest::mouseClick(first, Qt::LeftButton, {}, left_edge);
    testing::TypeAtTheFocusWindow("47");
    EXPECT_EQ(first->text(), "47");
    QTest::mouseClick(second, Qt::LeftButton, {}, left_edge);
    QTest::keyClicks(second, "47");
    EXPECT_EQ(second->text(), "47");
    QTest::mouseClick(Find<QLineEdit>(*window, "txtRs", 2), Qt::LeftButton, {}, left_edge);
    QTest::mouseClick(second, Qt::LeftButton, {}, left_edge);
    QTest::keyClicks(second, "1");
    EXPECT_EQ(second->text(), "147");
}

// The keys as a person presses them: a step takes its unit, and leaves the
// value selected for a screen reader to read and the next key to replace;
// at an end of the series nothing changes.
TEST(WindowEvents, UpAndDownStepAResistorThroughTheStandardValues) {
    auto window = testing::StartedWindow();
    testing::MessageBoxAnswerer answerer;
    auto* entry = Find<QLineEdit>(*window, "txtRs", 1);
    auto* chooser = Find<QComboBox>(*window, "cboRs", 1);
    TypeOver(entry, "910");
    QTest::keyClick(entry, Qt::Key_Up);
    EXPECT_EQ(entry->selectedText() + ' ' + chooser->currentText(), "1 kOhm");
    QTest::keyClick(entry, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(entry->selectedText() + ' ' + chooser->currentText(), "976 Ohm");
    PickByKeyboard(chooser, 1);
    TypeOver(entry, Local("4.8"));
    QHelpEvent asked(QEvent::ToolTip, QPoint(2, 2), entry->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(entry, &asked);
    EXPECT_EQ(entry->toolTip(), Local("E24: 4.7 kOhm (\u22122.1 %) \u00B7 E96: 4.75 kOhm (\u22121.0 %)") +
                                    "\nBenzi la ±5 %: galben gri roșu auriu · cod SMD: 482");
    EXPECT_TRUE(entry->accessibleDescription().startsWith(Local("4.8") + " kOhm. Valoarea")) << entry->accessibleDescription().toStdString();
    PickByKeyboard(chooser, 2);
    TypeOver(entry, "1000");
    QTest::keyClick(entry, Qt::Key_Up);
    EXPECT_EQ(entry->text() + ' ' + chooser->currentText(), "1000 MOhm");
    EXPECT_FALSE(entry->hasSelectedText());
    EXPECT_EQ(Results(*window), ExpectedResults(*window));
    EXPECT_TRUE(answerer.seen.empty());
}

// Keys typed while the first makes a result too large all reach their entry;
// the report waits for the user to pause. A circuit from the command line too
// large to compute is told once the window shows it.
TEST(WindowEvents, AReportWaitsForThePauseAndTheWindow) {
    testing::MessageBoxAnswerer answerer;
    auto window = testing::StartedWindow();
    window->SetText(Field::txtIst, "1E200");
    testing::TypeAtTheFocusWindow("12345");
    EXPECT_TRUE(answerer.seen.empty());
    testing::Pause(*window);
    EXPECT_EQ(answerer.seen, std::vector<QString>{testing::kOverflowReport});
    EXPECT_EQ(window->Text(Field::txtRs, 0), "12345");

    frmQuorvel opened;
    opened.Load(ReadCircuit("1E300,1E300,1E300,1E300,1E300"));
    QCoreApplication::processEvents();
    EXPECT_EQ(answerer.seen.size(), 1u);
    opened.show();
    EXPECT_TRUE(QTest::qWaitFor([&answerer] { return answerer.seen.size() == 2; }));
}

// A number beyond the double range becomes "0", told once; the "0" stands
// selected, and the next key replaces it.
TEST(WindowEvents, TellANumberTooLargeAndZeroIt) {
    auto window = testing::StartedWindow();
    testing::MessageBoxAnswerer answerer;
    auto* current = Find<QLineEdit>(*window, "txtIst");
    PasteOver(current, QString(320, '9'));
    EXPECT_EQ(current->text(), "0");
    testing::Pause(*window);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], testing::kOverflowReport);
    QTest::keyClicks(current, "5");
    EXPECT_EQ(current->text(), "5");
    EXPECT_EQ(Results(*window), ExpectedResults(*window));
}

TEST(WindowEvents, KeepLongTextsWrittenByTheProgram) {
    auto window = testing::StartedWindow();
    auto* entry = Find<QLineEdit>(*window, "txtRs", 0);
    PasteOver(entry, "-1E9");
    QTest::keyClick(entry, Qt::Key_Tab);  // left, it shows the number whole
    entry->setFocus();
    ASSERT_EQ(entry->text(), "1000000000");
    EXPECT_EQ(window->Text(Field::txtRst), "1000");
    EXPECT_EQ(window->Text(Field::lblUMs), "MOhm");

    QTest::keyClick(entry, Qt::Key_End);
    QTest::keyClick(entry, Qt::Key_5);  // the text cannot grow by typing
    EXPECT_EQ(entry->text(), "1000000000");
    QTest::keyClick(entry, Qt::Key_Backspace);  // but it can shrink
    EXPECT_EQ(entry->text(), "100000000");
    EXPECT_EQ(Results(*window), ExpectedResults(*window));
}

TEST(WindowEvents, TakeAnyLengthInTheCurrentAndNothingInResults) {
    auto window = testing::StartedWindow();
    auto* current = Find<QLineEdit>(*window, "txtIst");
    TypeOver(current, "12345678901");
    EXPECT_EQ(current->text(), "12345678901");

    const Texts before = Results(*window);
    for (const char* result : {"txtRst", "txtUs", "txtUMPs", "txtPst"}) {
        auto* box = window->findChild<QLineEdit*>(QString(result).startsWith("txtU") || QString(result) == "txtUMPs"
                                                      ? testing::Name(result, 1)
                                                      : testing::Name(result));
        ASSERT_NE(box, nullptr) << result;
        box->setFocus();
        QTest::keyClicks(box, "99");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QApplication::clipboard()->setText("7");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(Results(*window), before);
}

// Esc in a control ends the program, and the event loop the program runs
// in returns at once.
void ExpectEscapeEnds(QWidget& window, QWidget* target, const std::string& what) {
    QTimer::singleShot(0, target, [target] { QTest::keyClick(target, Qt::Key_Escape); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << what;
    EXPECT_FALSE(window.isVisible()) << what;
}

// Esc ends the program whichever control has the focus.
TEST(WindowEvents, EscapeEndsTheProgramFromAnyControl) {
    for (const char* name : {"txtRs", "cboRs", "cboIst", "cmdClear", "txtPst"}) {
        auto window = testing::StartedWindow();
        auto* target = window->findChild<QWidget*>(std::string(name) == "txtRs" || std::string(name) == "cboRs"
                                                       ? testing::Name(name, 1)
                                                       : testing::Name(name));
        ASSERT_NE(target, nullptr) << name;
        target->setFocus();
        ExpectEscapeEnds(*window, target, name);
    }
}

// While a chooser's list or a context menu is open, Esc closes it and
// nothing else: the values typed stay. The next Esc ends the program. The
// menu speaks Romanian, as the window does.
TEST(WindowEvents, EscapeClosesAnOpenListOrMenuFirst) {
    for (const char* opened : {"list by F4", "list by the mouse", "context menu"}) {
        auto window = testing::StartedWindow();
        TypeOver(Find<QLineEdit>(*window, "txtRs", 0), "220");
        const auto inputs = testing::InputTexts(*window);
        QStringList menu;
        QWidget* focused = nullptr;
        if (std::string(opened) == "context menu") {
            focused = Find<QLineEdit>(*window, "txtRs", 0);
            QContextMenuEvent event(QContextMenuEvent::Keyboard, focused->rect().center(),
                                    focused->mapToGlobal(focused->rect().center()));
            QApplication::sendEvent(focused, &event);
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr) << opened;
            for (const QAction* action : popup->actions()) {
                if (!action->isSeparator()) menu << action->text().section('\t', 0, 0);
            }
            QTest::keyClick(popup, Qt::Key_Escape);
        } else {
            auto* chooser = Find<QComboBox>(*window, "cboRs", 1);
            focused = chooser;
            chooser->setFocus();
            if (std::string(opened) == "list by F4") {
                QTest::keyClick(chooser, Qt::Key_F4);
            } else {
                QTest::mouseClick(chooser, Qt::LeftButton);
            }
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr) << opened;
            QTest::keyClick(popup, Qt::Key_Escape);
        }
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << opened;
        EXPECT_TRUE(window->isVisible()) << opened;
        EXPECT_EQ(testing::InputTexts(*window), inputs) << opened;
        if (!menu.isEmpty()) {
            EXPECT_EQ(menu, (QStringList{"&Anulează", "&Refă", "&Taie", "&Copiază", "&Lipește", "Șterge",
                                         "Selectează tot", "Copiază circuitul", "Copiază rezolvarea",
                                         "Copiază lista de piese", "Toleranță", "Din culori…"}));
        }
        ExpectEscapeEnds(*window, focused, opened);
    }
}

// The user goes through the open context menu by the keyboard to the item
// at the end of the path, and chooses it.
void ChooseFromMenu(const QStringList& path) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (const QString& step : path) {
        ASSERT_NE(menu, nullptr) << step.toStdString();
        const QList<QAction*> items = menu->actions();
        const auto item = std::find_if(items.begin(), items.end(),
                                       [&step](const QAction* action) { return action->text().section('\t', 0, 0) == step; });
        ASSERT_NE(item, items.end()) << step.toStdString();
        menu->setActiveAction(*item);
        QTest::keyClick(menu, (*item)->menu() ? Qt::Key_Right : Qt::Key_Return);
        menu = (*item)->menu();
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// A resistor entry's menu: its tolerance is the one the tooltips tell;
// "Din culori…" opens the part picker, whose OK enters what its bands read
// and whose Esc closes it alone.
TEST(WindowEvents, TheMenuSetsTheToleranceAndReadsAPart) {
    struct Row {
        QStringList path;
        std::vector<const char*> bands;  // then picked in the dialog, and it is closed by
        Qt::Key closing;
        std::string entry;    // R1 then, with its unit
        std::string marking;  // the second line of its tooltip
    };
    const Row rows[] = {
        {{"Toleranță", "±1 %"}, {}, {}, "4700 Ohm", "Benzi la ±1 %: galben violet negru maro maro · cod SMD: 472"},
        {{"Din culori…"}, {"maro", "negru", "roșu", "auriu"}, Qt::Key_Return, "1 kOhm",
         "Benzi la ±5 %: maro negru roșu auriu · cod SMD: 102 sau 01B"},
        {{"Din culori…"}, {"maro"}, Qt::Key_Escape, "4700 Ohm", "Benzi la ±5 %: galben violet roșu auriu · cod SMD: 472"},
    };
    for (const Row& row : rows) {
        auto window = testing::StartedWindow();
        window->SetText(Field::txtRs, 0, "4700");
        auto* entry = Find<QLineEdit>(*window, "txtRs", 0);
        QContextMenuEvent asked(QContextMenuEvent::Keyboard, entry->rect().center(), entry->mapToGlobal(entry->rect().center()));
        QApplication::sendEvent(entry, &asked);
        ChooseFromMenu(row.path);
        const std::string what = row.path.join(" > ").toStdString() + " " + row.entry;
        if (!row.bands.empty()) {
            QPointer dialog = window->findChild<QDialog*>("frmPartPicker");
            ASSERT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog)) << what;
            EXPECT_EQ(dialog->windowTitle(), "R1 din culori sau din cod");
            for (std::size_t band = 0; band < row.bands.size(); ++band) {  // Tab from the count on
                auto* chooser = Find<QComboBox>(*dialog, "cboBand", static_cast<int>(band));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                EXPECT_EQ(QApplication::focusWidget(), chooser) << what;
                PickByKeyboard(chooser, chooser->findText(QString::fromUtf8(row.bands[band])));
            }
            QTest::keyClick(QApplication::focusWidget(), row.closing);
            EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog; })) << what;
        }
        EXPECT_TRUE(window->isVisible()) << what;
        EXPECT_EQ((entry->text() + ' ' + Find<QComboBox>(*window, "cboRs", 0)->currentText()).toStdString(), row.entry);
        QHelpEvent tooltip(QEvent::ToolTip, QPoint(2, 2), entry->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(entry, &tooltip);
        EXPECT_EQ(entry->toolTip().section('\n', 1).toStdString(), row.marking) << what;
    }
}

// Enter and the keypad's Enter press the focused button, as Space does.
TEST(WindowEvents, EnterPressesTheFocusedButton) {
    for (const auto& [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        auto window = testing::StartedWindow();
        window->SetText(Field::txtRs, 2, "47");
        window->SetText(Field::cboIst, "mA");
        auto* clear = Find<QPushButton>(*window, "cmdClear");
        clear->setFocus();
        QTest::keyClick(clear, key, modifier);
        EXPECT_EQ(testing::InputTexts(*window), testing::kDefaultInputs);
        EXPECT_TRUE(window->isVisible());
    }
}

// A cut number in exponent form keeps its exponent in what the box draws;
// a box the user leaves shows its beginning again, whatever was selected.
TEST(WindowEvents, ACutResultKeepsItsExponentAndItsBeginning) {
    auto window = testing::StartedWindow();
    window->SetText(Field::txtRs, 0, "999999");
    window->SetText(Field::txtIst, "99999999999999999999");
    auto* box = static_cast<ResultBox*>(Find<QLineEdit>(*window, "txtUst"));
    ASSERT_EQ(box->text(), Local("9.99999E+19"));
    EXPECT_EQ(window->Text(Field::txtUMUst), "MV");
    const QString drawn = box->VisibleText();
    EXPECT_TRUE(drawn.endsWith(QStringLiteral("…E+19"))) << drawn.toStdString();
    EXPECT_TRUE(drawn.startsWith('9')) << drawn.toStdString();
    EXPECT_TRUE(box->text().startsWith(drawn.section(QStringLiteral("…"), 0, 0))) << drawn.toStdString();
    EXPECT_LE(QFontMetricsF(box->VisibleFont()).horizontalAdvance(drawn), box->LineRect().width());

    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(box->hasSelectedText());
    QTest::mouseClick(Find(*window, "txtRs", 2), Qt::LeftButton);
    EXPECT_FALSE(box->hasSelectedText());
    EXPECT_EQ(box->cursorPosition(), 0);
}

// A focused unit box stands above the box below it, which would hide the
// bottom edge of its focus frame.
TEST(WindowEvents, AFocusedBoxShowsItsWholeFrame) {
    auto window = testing::StartedWindow();
    auto* unit = Find<QLineEdit>(*window, "txtUMUs", 0);
    unit->setFocus();
    const QPoint bottom_edge = unit->geometry().bottomLeft() + QPoint(2, 0);
    EXPECT_EQ(unit->parentWidget()->childAt(bottom_edge), unit);
}

TEST(WindowEvents, OtherKeysLeaveTheProgramRunning) {
    auto window = testing::StartedWindow();
    auto* entry = Find<QLineEdit>(*window, "txtRs", 0);
    entry->setFocus();
    for (const auto key : {Qt::Key_Enter, Qt::Key_Tab, Qt::Key_F1, Qt::Key_Space}) QTest::keyClick(entry, key);
    EXPECT_TRUE(window->isVisible());
}

// An overflow is told in a message box that Esc closes; the window goes on
// with the inputs as typed, and the next edit brings every result back.
TEST(WindowEvents, ReportARunTimeErrorAndGoOn) {
    auto window = testing::StartedWindow();
    testing::MessageBoxAnswerer answerer(Qt::Key_Escape);
    PickByKeyboard(Find<QComboBox>(*window, "cboRs", 0), 2);
    PasteOver(Find<QLineEdit>(*window, "txtRs", 0), "9E307");
    testing::Pause(*window);

    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], testing::kOverflowReport);
    EXPECT_EQ(answerer.icons[0], QMessageBox::Warning);
    EXPECT_EQ(answerer.buttons[0], QMessageBox::Ok);
    EXPECT_EQ(answerer.formats[0], Qt::PlainText);
    EXPECT_EQ(Find<QLineEdit>(*window, "txtRs", 0)->text(), "9E307");
    EXPECT_EQ(Results(*window), Texts(22, ""));
    EXPECT_TRUE(window->isVisible());
    // While the inputs stay too large, the report comes not again to take the keys.
    TypeOver(Find<QLineEdit>(*window, "txtRs", 1), "999999");
    testing::Pause(*window);
    EXPECT_EQ(Find<QLineEdit>(*window, "txtRs", 1)->text(), "999999");
    EXPECT_EQ(answerer.seen.size(), 1u);

    QTest::keyClick(Find<QLineEdit>(*window, "txtRs", 0), Qt::Key_Backspace);
    EXPECT_EQ(window->Text(Field::txtRst), LocalText("9E+30"));
    EXPECT_EQ(Results(*window), ExpectedResults(*window));
    EXPECT_EQ(answerer.seen.size(), 1u);
}

// From an overflow that the clear's first writes still meet: one press, the
// defaults and their results, and no message box.
TEST(WindowEvents, ClearFromAnOverflowInOnePress) {
    auto window = testing::StartedWindow();
    testing::MessageBoxAnswerer answerer;
    PasteOver(Find<QLineEdit>(*window, "txtRs", 0), "1E200");
    PasteOver(Find<QLineEdit>(*window, "txtRs", 1), "1E200");
    PasteOver(Find<QLineEdit>(*window, "txtIst"), "1E200");
    testing::Pause(*window);
    ASSERT_EQ(answerer.seen.size(), 1u);

    QTest::mouseClick(Find<QPushButton>(*window, "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(testing::InputTexts(*window), testing::kDefaultInputs);
    EXPECT_EQ(Results(*window), testing::kZeroResults);
}

}  // namespace
}  // namespace quorvel
