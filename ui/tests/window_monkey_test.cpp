// A monkey on the real window: thousands of seeded random user actions,
// after each of which the window must still stand sound. Every run tries the
// same actions from a fixed seed, printed, so that a failure replays;
// QUORVEL_MONKEY_SEED tries others, QUORVEL_MONKEY_ACTIONS lengthens a run.

#include <iostream>
#include <random>

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "number/entry_text.h"
#include "calc/units.h"
#include "test_support/soundness.h"
#include "test_support/text_pieces.h"
#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using testing::Find;

class Monkey {
public:
    Monkey(frmQuorvel& window, unsigned seed) : window_(window), random_(seed) {}

    // Does one random thing a user could do, and says what it was.
    std::string Act() {
        switch (Pick(10)) {
            case 0:
            case 1:
            case 2: return TypeCharacter();
            case 3: return DeleteAtRandomPlace();
            case 4: return PasteOverEntry();
            case 5: return PickByKeyboard();
            case 6: return PickByMouse();
            case 7: return ClickClear();
            case 8: return PressTab();
            default: return FocusRandomControl();
        }
    }

private:
    int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }

    // The pieces of the texts a user might type, as the toolkit holds them.
    static QStringList Pieces(bool characters) {
        QStringList pieces;
        for (const std::string& piece : testing::kTextPieces) pieces += QString::fromStdString(piece);
        if (characters) pieces.removeIf([](const QString& piece) { return piece.size() != 1; });
        return pieces;
    }

    QString RandomText(int max_length) {
        static const QStringList kPieces = Pieces(false);
        QString text;
        const int pieces = Pick(max_length + 1);
        for (int i = 0; i < pieces; ++i) text += kPieces[Pick(static_cast<int>(kPieces.size()))];
        return text;
    }

    QLineEdit* RandomEntry() {
        return Pick(5) == 0 ? Find<QLineEdit>(window_, "txtIst") : Find<QLineEdit>(window_, "txtRs", Pick(4));
    }

    QComboBox* RandomChooser() {
        return Pick(5) == 0 ? Find<QComboBox>(window_, "cboIst") : Find<QComboBox>(window_, "cboRs", Pick(4));
    }

    QWidget* Focused() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused : Find(window_, "txtRs", 0);
    }

    // One character typed into whatever has the focus, entries and result
    // boxes alike: each keystroke is one event.
    std::string TypeCharacter() {
        static const QString kCharacters = QStringLiteral("0123456789-+.,Ee $&Hxaăî €");
        QWidget* target = Focused();
        const QString character = kCharacters.mid(Pick(static_cast<int>(kCharacters.size())), 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        return "type \"" + character.toStdString() + "\" into " + target->objectName().toStdString();
    }

    std::string DeleteAtRandomPlace() {
        QLineEdit* entry = RandomEntry();
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Home);
        const int steps = Pick(static_cast<int>(entry->text().size()) + 1);
        for (int i = 0; i < steps; ++i) QTest::keyClick(entry, Qt::Key_Right);
        const bool backspace = Pick(2) == 0;
        QTest::keyClick(entry, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
        return std::string(backspace ? "backspace" : "delete") + " at " + std::to_string(steps) + " in " +
               entry->objectName().toStdString();
    }

    std::string PasteOverEntry() {
        QLineEdit* entry = RandomEntry();
        const QString text = RandomText(4);
        testing::PasteOver(entry, text, Pick(2) == 0);
        return "paste \"" + text.toStdString() + "\" into " + entry->objectName().toStdString();
    }

    std::string PickByKeyboard() {
        QComboBox* chooser = RandomChooser();
        chooser->setFocus();
        const auto key = Pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(chooser, key);
        return std::string(key == Qt::Key_Down ? "down" : "up") + " in " + chooser->objectName().toStdString();
    }

    std::string PickByMouse() {
        QComboBox* chooser = RandomChooser();
        const int item = Pick(3);
        chooser->showPopup();
        QAbstractItemView* list = chooser->view();
        const QRect row = list->visualRect(list->model()->index(item, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        if (list->window()->isVisible()) chooser->hidePopup();
        return "click item " + std::to_string(item) + " of " + chooser->objectName().toStdString();
    }

    std::string ClickClear() {
        QTest::mouseClick(Find<QPushButton>(window_, "cmdClear"), Qt::LeftButton);
        return "click cmdClear";
    }

    std::string PressTab() {
        QTest::keyClick(Focused(), Qt::Key_Tab, Pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        return "tab to " + Focused()->objectName().toStdString();
    }

    std::string FocusRandomControl() {
        static const char* kNames[] = {"txtRs", "cboRs", "txtIst", "cboIst", "txtRst", "txtUs", "txtPst", "cmdClear"};
        const char* name = kNames[Pick(8)];
        const bool array = std::string(name) == "txtRs" || std::string(name) == "cboRs" || std::string(name) == "txtUs";
        QWidget* target = Find(window_, name, array ? Pick(4) : -1);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(Pick(target->width()), target->height() / 2));
        return "click " + target->objectName().toStdString();
    }

    frmQuorvel& window_;
    std::mt19937 random_;
};

constexpr unsigned kDefaultSeed = 20261210;

unsigned SeedFromEnvironment() {
    bool given = false;
    const unsigned seed = qEnvironmentVariableIntValue("QUORVEL_MONKEY_SEED", &given);
    return given ? seed : kDefaultSeed;
}

TEST(WindowMonkey, EveryActionLeavesTheWindowSound) {
    const unsigned seed = SeedFromEnvironment();
    bool long_run = false;
    const int actions = std::max(2000, qEnvironmentVariableIntValue("QUORVEL_MONKEY_ACTIONS", &long_run));
    std::cout << "monkey seed " << seed << " (replay with QUORVEL_MONKEY_SEED=" << seed << "), " << actions
              << " actions" << std::endl;
    RecordProperty("seed", std::to_string(seed));

    auto window = testing::StartedWindow();
    testing::MessageBoxAnswerer answerer;
    Monkey monkey(*window, seed);
    const NumberLocale locale = SystemNumberLocale();
    std::size_t reports = 0;
    // Whether an action left an entry with a number too large, which is told.
    bool too_large = false;
    for (auto* entry : window->findChildren<QLineEdit*>()) {
        if (entry->isReadOnly()) continue;
        const Field field = entry->objectName() == "txtIst" ? Field::txtIst : Field::txtRs;
        QObject::connect(entry, &QLineEdit::textChanged, [&too_large, &locale, field](const QString& text) {
            const EntryText read = ReadEntry(text.toStdString(), locale, QuantityOf(field));
            too_large = too_large || testing::TooLargeForTheEntry(read, field);
        });
    }

    for (int step = 0; step < actions; ++step) {
        const auto inputs_before = testing::InputTexts(*window);
        const bool failed_before = testing::RecalculateInputsOf(*window, locale).failed;
        too_large = false;
        const std::string action = monkey.Act();
        testing::Pause(*window);
        const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + action;

        ASSERT_TRUE(window->isVisible()) << where;
        ASSERT_EQ(testing::Unsoundness(*window), "") << where;
        // One press of the button restores every default, from any state.
        if (action == "click cmdClear") {
            ASSERT_EQ(testing::InputTexts(*window), testing::kDefaultInputs) << where;
        }

        // Each action is one event, then a pause: an error is told once, when
        // the inputs come to overflow, or an entry did; not again while they stay so.
        const std::size_t new_reports = answerer.seen.size() - reports;
        reports = answerer.seen.size();
        const bool told = too_large || (!failed_before && testing::RecalculateInputsOf(*window, locale).failed);
        if (inputs_before != testing::InputTexts(*window) || new_reports > 0) {
            ASSERT_EQ(new_reports, told ? 1u : 0u) << where;
        }
        if (new_reports == 1) {
            ASSERT_EQ(answerer.seen.back(), testing::kOverflowReport) << where;
        }
    }
    std::cout << "monkey: " << actions << " actions, " << reports << " run-time errors reported" << std::endl;
}

}  // namespace
}  // namespace quorvel
