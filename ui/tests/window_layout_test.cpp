// The window as it stands: each control as its row of the layout says; the
// window itself, a label's growth, the tab order and the drawing as a whole.

#include <algorithm>
#include <array>

#include <QPushButton>
#include <gtest/gtest.h>

#include "frontend/window_layout.h"
#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using layout::Align;
using layout::Container;
using layout::Kind;
using layout::Pixels;
using testing::Find;
using testing::Name;

const QColor kYellow(0xFF, 0xFF, 0x80);
const QColor kGrey(0xE0, 0xE0, 0xE0);

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// In the order of layout::Kind and layout::Align. Entries and results add no
// signals: to every check they are line edits.
const char* const kClassOf[] = {"quorvel::CircuitFrame", "QLineEdit", "QComboBox",
                                "QLineEdit",             "QLabel",    "QPushButton"};
const Qt::Alignment kAcross[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

// The window as created, before the load event picks the units and computes
// the results; typing recalculates, so it goes to a started window.
TEST(WindowLayout, ShowsEachControlAsItsRowSays) {
    frmQuorvel window;
    const QImage image = window.grab().toImage();
    const auto shows = [&](const QWidget* on, QPoint at) { return QColor(image.pixel(on->mapTo(&window, at))); };
    const QWidget* frame = Find(window, "fraSerie");
    const auto started = testing::StartedWindow();
    int widgets = 0;
    for (const auto& row : layout::kControls) {
        const QString name = Name(row.name, row.index);
        SCOPED_TRACE(name.toStdString());
        QWidget* widget = window.findChild<QWidget*>(name);
        const QRect place(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
        const QColor colour = QColor::fromRgb(row.colour);
        // The frame draws in ink a line from its first pixel to its last, and
        // a dot above and below its middle, off the wire through it.
        if (row.kind == Kind::line || row.kind == Kind::dot) {
            EXPECT_EQ(widget, nullptr);
            const QPoint last(std::max(place.left(), place.right()), std::max(place.top(), place.bottom()));
            const QPoint quarter(0, place.height() / 4);
            const auto inked = row.kind == Kind::dot ? std::array{place.center() - quarter, place.center() + quarter}
                                                     : std::array{place.topLeft(), last};
            for (const QPoint p : inked) EXPECT_EQ(shows(frame, p), colour) << p.x() << ',' << p.y();
            continue;
        }
        ASSERT_NE(widget, nullptr);
        ++widgets;
        ASSERT_STREQ(widget->metaObject()->className(), kClassOf[static_cast<int>(row.kind)]);
        EXPECT_EQ(widget->parentWidget(), row.container == Container::frmQuorvel ? &window : frame);
        EXPECT_EQ(widget->property(row.kind == Kind::chooser ? "currentText" : "text").toString(), Utf8(row.text));
        if (const QVariant align = widget->property("alignment"); align.isValid()) {
            EXPECT_EQ(align.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, kAcross[static_cast<int>(row.align)]);
        }
        // The colour inside the control; the style shades a button's.
        if (row.kind == Kind::button) {
            EXPECT_EQ(widget->palette().color(QPalette::Button), colour);
        } else if (row.colour != layout::kNoColour) {
            EXPECT_EQ(shows(widget, QPoint(4, 4)), colour);
        }
        const layout::Typeface face = layout::TypefaceOf(row.font);
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), face.points);
        EXPECT_EQ(widget->font().bold(), face.bold);
        const bool tabs_in = row.tab_index >= 0 && row.kind != Kind::frame && row.kind != Kind::label;
        EXPECT_EQ(widget->focusPolicy() == Qt::NoFocus, !tabs_in);
        EXPECT_EQ(widget->accessibleName(), Utf8(row.spoken.name));
        EXPECT_EQ(widget->accessibleDescription(), Utf8(layout::DescriptionOf(row)));

        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(box->isReadOnly(), row.kind == Kind::result);
            EXPECT_EQ(box->hasFrame(), row.kind == Kind::entry);  // results stand borderless
        }
        if (row.kind == Kind::entry) {  // the limit and one key more, or a long number
            auto* typed = Find<QLineEdit>(*started, row.name, row.index);
            typed->selectAll();
            QTest::keyClicks(typed, QString(row.max_typed > 0 ? row.max_typed + 1 : 12, u'1'));
            EXPECT_EQ(typed->text().size(), row.max_typed > 0 ? row.max_typed : 12);
        }
        if (auto* chooser = qobject_cast<QComboBox*>(widget)) {
            const auto units = ListOf(FieldNamed(name.toStdString())->field);
            ASSERT_EQ(chooser->count(), std::ssize(units));
            for (int i = 0; i < chooser->count(); ++i) EXPECT_EQ(chooser->itemText(i), Utf8(units[i].word));
            EXPECT_EQ(chooser->currentIndex(), -1);
            EXPECT_FALSE(chooser->isEditable());
        }
        // A label stands on its container's colour, as large as its caption:
        // centred on its place or at its left edge, and on its vertical middle.
        // Any other control fills its place.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_FALSE(label->autoFillBackground());
            EXPECT_EQ(label->size(), label->sizeHint());
            const QRect shown = label->geometry();
            EXPECT_NEAR(shown.center().y(), place.top() + place.height() / 2, 1);
            if (row.align == Align::centre) {
                EXPECT_NEAR(shown.center().x(), place.left() + place.width() / 2, 1);
            } else {
                EXPECT_EQ(shown.left(), place.left());
            }
        } else {
            EXPECT_EQ(widget->geometry(), place);
        }
    }
    EXPECT_EQ(widgets, 41);
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
    // The button's right edge lines up with the frame's.
    EXPECT_EQ(Find(window, "cmdClear")->geometry().right(), Find(window, "fraSerie")->geometry().right());
}

TEST(WindowLayout, AUnitLabelGrowsWithItsCaptionWithinTheBracket) {
    auto window = testing::StartedWindow();
    auto* unit = Find<QLabel>(*window, "lblUMs");
    const int narrow = unit->width();
    window->SetText(Field::lblUMs, "MOhm");
    EXPECT_GT(unit->width(), narrow);
    EXPECT_EQ(unit->size(), unit->sizeHint());
    EXPECT_LT(unit->geometry().right(), Pixels(layout::Find("linS3", 3)->left));  // the upper bracket's right arm
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

    // The wire between the pairs, left of the first dot and right of the current.
    for (int x : {20, 180, 316, 452, 590, 760}) EXPECT_EQ(at(x, 72), black) << "wire at " << x;
    EXPECT_EQ(at(36, 66), kGrey);  // above the first dot
    // The brackets stay open in their middles.
    for (const QPoint p : {QPoint(170, 40), QPoint(458, 40), QPoint(32, 56), QPoint(32, 140)}) {
        EXPECT_EQ(at(p.x(), p.y()), kGrey) << p.x() << ',' << p.y();
    }
    // The wire does not show through a box.
    EXPECT_NE(at(8 + 70, 72), black);
}

}  // namespace
}  // namespace quorvel
