// The window as it stands: its controls, colours, fonts, tab order and drawing.

#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using testing::Find;
using testing::Name;

struct Placed {
    const char* name;
    int index;
    const char* class_name;
    const char* parent;
    QRect geometry;  // pixels, in the parent
    QColor background;
    bool read_only;
};

const QColor kGreen(0xC0, 0xFF, 0xC0);
const QColor kYellow(0xFF, 0xFF, 0x80);
const QColor kGrey(0xE0, 0xE0, 0xE0);

TEST(WindowLayout, PlacesEachControlInItsContainer) {
    frmQuorvel window;
    const Placed controls[] = {
        {"fraSerie", -1, "quorvel::CircuitFrame", "frmQuorvel", {8, 8, 777, 177}, kGrey, false},
        {"txtRs", 0, "QLineEdit", "fraSerie", {40, 52, 57, 24}, kGreen, false},
        {"txtRs", 3, "QLineEdit", "fraSerie", {448, 52, 57, 24}, kGreen, false},
        {"cboRs", 1, "QComboBox", "fraSerie", {232, 52, 73, 24}, QColor(), false},
        {"txtIst", -1, "QLineEdit", "fraSerie", {608, 52, 57, 25}, kGreen, false},
        {"cboIst", -1, "QComboBox", "fraSerie", {664, 52, 73, 24}, QColor(), false},
        {"txtRst", -1, "QLineEdit", "fraSerie", {320, 20, 73, 25}, kYellow, true},
        {"txtUs", 2, "QLineEdit", "fraSerie", {312, 80, 57, 24}, kYellow, true},
        {"txtUMUs", 2, "QLineEdit", "fraSerie", {368, 80, 41, 25}, kGrey, true},
        {"txtPs", 3, "QLineEdit", "fraSerie", {448, 104, 57, 25}, kYellow, true},
        {"txtUMPs", 0, "QLineEdit", "fraSerie", {96, 104, 41, 25}, kGrey, true},
        {"txtPst", -1, "QLineEdit", "fraSerie", {608, 104, 57, 24}, kYellow, true},
        {"txtUMpst", -1, "QLineEdit", "fraSerie", {664, 104, 41, 25}, kGrey, true},
        {"txtUst", -1, "QLineEdit", "fraSerie", {336, 144, 57, 24}, kYellow, true},
        {"txtUMUst", -1, "QLineEdit", "fraSerie", {392, 144, 41, 25}, kGrey, true},
        {"cmdClear", -1, "QPushButton", "frmQuorvel", {688, 192, 97, 25}, QColor(), false},
    };
    for (const auto& c : controls) {
        QWidget* widget = Find(window, c.name, c.index);
        ASSERT_NE(widget, nullptr);
        const std::string what = Name(c.name, c.index).toStdString();
        EXPECT_STREQ(widget->metaObject()->className(), c.class_name) << what;
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << what;
        EXPECT_EQ(widget->geometry(), c.geometry) << what;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(edit->palette().color(QPalette::Base), c.background) << what;
            EXPECT_EQ(edit->isReadOnly(), c.read_only) << what;
            EXPECT_EQ(edit->hasFrame(), !c.read_only) << what;  // results stand borderless
        }
    }
    EXPECT_EQ(Find(window, "fraSerie")->palette().color(QPalette::Window), kGrey);
    EXPECT_EQ(Find(window, "cmdClear")->palette().color(QPalette::Button), kGrey);
    EXPECT_EQ(Find<QPushButton>(window, "cmdClear")->text(), "Sterge valori");
    // The button's right edge lines up with the frame's.
    EXPECT_EQ(Find(window, "cmdClear")->geometry().right(), Find(window, "fraSerie")->geometry().right());
}

TEST(WindowLayout, HasEveryNamedControl) {
    frmQuorvel window;
    int controls = 0;
    for (const char* name : {"txtRs", "cboRs", "txtUs", "txtUMUs", "txtPs", "txtUMPs"}) {
        for (int i = 0; i < 4; ++i) controls += Find(window, name, i) != nullptr;
    }
    for (int i = 0; i < 6; ++i) controls += Find<QLabel>(window, "lblEticheteS", i) != nullptr;
    for (const char* name : {"fraSerie", "txtRst", "txtIst", "cboIst", "txtPst", "txtUMpst", "txtUst", "txtUMUst",
                             "lblUMs", "cmdClear", "lblVelmar"}) {
        controls += Find(window, name) != nullptr;
    }
    EXPECT_EQ(controls, 41);
}

TEST(WindowLayout, StartsWithCreationTextsAndEmptyChoosers) {
    frmQuorvel window;
    for (int i = 0; i < 4; ++i) {
        auto* chooser = Find<QComboBox>(window, "cboRs", i);
        EXPECT_EQ(chooser->currentIndex(), -1);
        EXPECT_EQ(chooser->currentText(), "");
        EXPECT_EQ(chooser->count(), 3);
        EXPECT_EQ(chooser->itemText(0) + chooser->itemText(1) + chooser->itemText(2), "OhmkOhmMOhm");
        EXPECT_FALSE(chooser->isEditable());
        EXPECT_EQ(Find<QLineEdit>(window, "txtRs", i)->text(), "0");
        EXPECT_EQ(Find<QLineEdit>(window, "txtUs", i)->text(), "");
    }
    auto* current = Find<QComboBox>(window, "cboIst");
    EXPECT_EQ(current->itemText(0) + current->itemText(1) + current->itemText(2), "uAmAA");
    EXPECT_EQ(current->currentIndex(), -1);
    EXPECT_EQ(Find<QLineEdit>(window, "txtIst")->text(), "0");
    EXPECT_EQ(Find<QLabel>(window, "lblUMs")->text(), "Ohm");
    EXPECT_EQ(Find<QLineEdit>(window, "txtRst")->text(), "");
}

TEST(WindowLayout, IsAFixedWindowWithItsTitleFontAndIcon) {
    frmQuorvel window;
    EXPECT_EQ(window.windowTitle(), " Quorvel ");
    EXPECT_EQ(window.minimumSize(), QSize(794, 225));
    EXPECT_EQ(window.maximumSize(), QSize(794, 225));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), kGrey);
    EXPECT_DOUBLE_EQ(window.font().pointSizeF(), 9.75);
    EXPECT_EQ(window.font().styleHint(), QFont::SansSerif);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));

    EXPECT_DOUBLE_EQ(Find(window, "lblEticheteS", 3)->font().pointSizeF(), 8.25);
    EXPECT_DOUBLE_EQ(Find(window, "lblEticheteS", 0)->font().pointSizeF(), 9.75);
    EXPECT_TRUE(Find(window, "lblVelmar")->font().bold());
    EXPECT_DOUBLE_EQ(Find(window, "lblVelmar")->font().pointSizeF(), 12);
    EXPECT_EQ(Find<QLabel>(window, "lblEticheteS", 0)->text(), "Rezistentă totală:");
    EXPECT_EQ(Find<QLabel>(window, "lblEticheteS", 5)->text(), "Curentul în circuit");
}

TEST(WindowLayout, LabelsFitTheirCaptionsOnTheFrameColour) {
    auto window = testing::StartedWindow();
    auto* unit = Find<QLabel>(*window, "lblUMs");
    EXPECT_EQ(unit->size(), unit->sizeHint());
    EXPECT_FALSE(unit->autoFillBackground());
    const int narrow = unit->width();
    window->SetText(Field::lblUMs, "MOhm");
    EXPECT_GT(unit->width(), narrow);
    EXPECT_LT(unit->geometry().right(), 464);  // left of the upper bracket's right arm
    for (int i = 0; i < 6; ++i) {
        auto* label = Find<QLabel>(*window, "lblEticheteS", i);
        EXPECT_EQ(label->size(), label->sizeHint()) << i;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << i;
    }
    // The captions across the brackets stand with their middles on the bracket lines.
    EXPECT_NEAR(Find(*window, "lblEticheteS", 0)->geometry().center().y(), 32, 1);
    EXPECT_NEAR(unit->geometry().center().y(), 32, 1);
}

TEST(WindowLayout, TabsThroughTheInputsFirst) {
    auto window = testing::StartedWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), Find(*window, "txtRs", 0));

    QStringList expected;
    for (int i = 0; i < 4; ++i) expected << Name("txtRs", i) << Name("cboRs", i);
    expected << "txtIst" << "cboIst" << "cmdClear" << "txtUMUst" << "txtUst" << "txtUMpst" << "txtPst";
    for (int i = 3; i >= 0; --i) expected << Name("txtUMPs", i) << Name("txtPs", i);
    for (int i = 3; i >= 0; --i) expected << Name("txtUMUs", i) << Name("txtUs", i);
    expected << "txtRst" << Name("txtRs", 0);

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

// A read-only box draws no caret: its frame shows where the focus is.
TEST(WindowDrawing, FramesTheFocusedResultBox) {
    auto window = testing::StartedWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* box = Find(*window, "txtUst");
    const auto edge = [box] { return QColor(box->grab().toImage().pixel(0, box->height() / 2)); };
    EXPECT_EQ(edge(), kYellow);

    Find(*window, "cmdClear")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(edge(), box->palette().color(QPalette::Highlight));
    EXPECT_EQ(static_cast<QLineEdit*>(box)->selectedText(), "");

    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(edge(), kYellow);
}

// Pixels of the window, in window coordinates (the frame starts at 8, 8).
TEST(WindowDrawing, ShowsTheCircuitBeneathTheBoxes) {
    auto window = testing::StartedWindow();
    const QImage image = window->grab().toImage();
    ASSERT_EQ(image.size(), QSize(794, 225));
    const auto at = [&image](int x, int y) { return QColor(image.pixel(x, y)); };
    const QColor black(Qt::black);
    const QColor blue(0x80, 0x80, 0xFF);

    // The wire between the pairs, left of the first dot and right of the current.
    for (int x : {20, 180, 316, 452, 590, 760}) EXPECT_EQ(at(x, 72), black) << "wire at " << x;
    // The dots at both ends of the chain.
    EXPECT_EQ(at(36, 72), black);
    EXPECT_EQ(at(596, 72), black);
    EXPECT_EQ(at(36, 66), kGrey);  // above the dot
    // Brackets: arms, end ticks, and their open middles.
    for (const QPoint p : {QPoint(40, 40), QPoint(150, 40), QPoint(480, 40), QPoint(590, 40), QPoint(40, 168),
                           QPoint(590, 168), QPoint(32, 46), QPoint(592, 46), QPoint(32, 150), QPoint(592, 150)}) {
        EXPECT_EQ(at(p.x(), p.y()), blue) << p.x() << ',' << p.y();
    }
    for (const QPoint p : {QPoint(170, 40), QPoint(458, 40), QPoint(32, 56), QPoint(32, 140)}) {
        EXPECT_EQ(at(p.x(), p.y()), kGrey) << p.x() << ',' << p.y();
    }
    // The colour code inside the boxes: entries green, numbers yellow, units grey.
    EXPECT_EQ(at(8 + 44, 8 + 56), kGreen);
    EXPECT_EQ(at(8 + 612, 8 + 56), kGreen);
    EXPECT_EQ(at(8 + 324, 8 + 24), kYellow);
    EXPECT_EQ(at(8 + 44, 8 + 84), kYellow);
    EXPECT_EQ(at(8 + 100, 8 + 84), kGrey);
    // The wire does not show through a box.
    EXPECT_NE(at(8 + 70, 72), black);
}

}  // namespace
}  // namespace quorvel
