// What a screen reader hears: each entry, chooser, result and unit box, the
// button and the frame say in Romanian what they hold, read through Qt's
// accessibility interfaces as an assistive technology reads them.

#include <map>
#include <set>

#include <QAccessible>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "frontend/window_layout.h"
#include "ui/tests/window_support.h"

namespace quorvel {
namespace {

using layout::Kind;
using testing::Find;

bool Speaks(Kind kind) {
    return kind == Kind::frame || kind == Kind::entry || kind == Kind::chooser || kind == Kind::result ||
           kind == Kind::button;
}

QString Heard(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QString();
}

// Everything a screen reader reaches by walking down from the window.
void Walk(QAccessibleInterface* node, std::map<QObject*, QAccessibleInterface*>& reached) {
    reached[node->object()] = node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) Walk(child, reached);
    }
}

TEST(WindowAccessible, EveryBoxTheButtonAndTheFrameHaveTheirOwnNameAndDescription) {
    frmQuorvel window;
    std::set<QString> names;
    int speaking = 0;
    for (const auto& control : layout::kControls) {
        if (!Speaks(control.kind)) continue;
        ++speaking;
        QWidget* widget = Find(window, control.name, control.index);
        ASSERT_NE(widget, nullptr);
        const std::string what = widget->objectName().toStdString();
        const QString name = Heard(widget, QAccessible::Name);
        const QString description = Heard(widget, QAccessible::Description);
        EXPECT_FALSE(name.isEmpty()) << what;
        EXPECT_FALSE(description.isEmpty()) << what;
        EXPECT_NE(name, description) << what;
        EXPECT_TRUE(names.insert(name).second) << what << " shares its name " << name.toStdString();

        // An element of an array names its resistor, 1 to 4, in both texts;
        // a control of its own names no number.
        if (control.index >= 0) {
            const QRegularExpression resistor(QStringLiteral("rezisten(ța|ței) %1\\b").arg(control.index + 1));
            EXPECT_TRUE(name.endsWith(QStringLiteral(" %1").arg(control.index + 1))) << what << ": " << name.toStdString();
            EXPECT_TRUE(resistor.match(description).hasMatch()) << what << ": " << description.toStdString();
            EXPECT_EQ(name.count(QRegularExpression(QStringLiteral("\\d"))), 1) << what;
        } else {
            EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("\\d")))) << what;
        }
    }
    EXPECT_EQ(speaking, 33);  // 5 entries, 5 choosers, 21 result and unit boxes, the button, the frame
}

TEST(WindowAccessible, NamesSayWhatTheBoxesHold) {
    frmQuorvel window;
    struct Named {
        const char* control;
        int index;
        const char* name;
    };
    const Named named[] = {
        {"txtRs", 0, "Rezistența 1"},
        {"cboRs", 0, "Unitatea rezistenței 1"},
        {"txtUs", 0, "Căderea de tensiune pe rezistența 1"},
        {"txtUMPs", 3, "Unitatea puterii pe rezistența 4"},
        {"txtRst", -1, "Rezistența totală"},
        {"txtIst", -1, "Curentul în circuit"},
        {"cboIst", -1, "Unitatea curentului"},
        {"txtUst", -1, "Căderea de tensiune totală"},
        {"txtPst", -1, "Puterea totală"},
        {"txtUMpst", -1, "Unitatea puterii totale"},
        {"cmdClear", -1, "Șterge valori"},
    };
    for (const auto& n : named) {
        EXPECT_EQ(Heard(Find(window, n.control, n.index), QAccessible::Name).toStdString(), n.name)
            << n.control << ' ' << n.index;
    }
}

// The reader finds each control in the window's tree, hears its kind and
// whether it can be typed in, and reads the text the window shows.
TEST(WindowAccessible, ReaderReachesEachControlAndReadsWhatItShows) {
    auto window = testing::StartedWindow();
    std::map<QObject*, QAccessibleInterface*> reached;
    Walk(QAccessible::queryAccessibleInterface(window.get()), reached);

    for (const auto& control : layout::kControls) {
        if (control.kind == Kind::line || control.kind == Kind::dot) continue;
        QWidget* widget = Find(*window, control.name, control.index);
        ASSERT_NE(widget, nullptr);
        const std::string what = widget->objectName().toStdString();
        ASSERT_TRUE(reached.count(widget)) << what << " is not in the accessibility tree";
        QAccessibleInterface* accessible = reached[widget];
        switch (control.kind) {
            case Kind::entry:
            case Kind::result: {
                EXPECT_EQ(accessible->role(), QAccessible::EditableText) << what;
                EXPECT_EQ(accessible->state().readOnly, control.kind == Kind::result) << what;
                EXPECT_EQ(accessible->text(QAccessible::Value), static_cast<QLineEdit*>(widget)->text()) << what;
                // A resistor's value is heard with its unit, as the page's spin button says it.
                if (control.name == "txtRs") {
                    EXPECT_EQ(accessible->text(QAccessible::Description), "0 Ohm. " + QString::fromUtf8(layout::DescriptionOf(control).data(), static_cast<qsizetype>(layout::DescriptionOf(control).size()))) << what;
                }
                break;
            }
            case Kind::chooser:
                EXPECT_EQ(accessible->role(), QAccessible::ComboBox) << what;
                EXPECT_EQ(accessible->text(QAccessible::Value), static_cast<QComboBox*>(widget)->currentText()) << what;
                break;
            case Kind::button:
                EXPECT_EQ(accessible->role(), QAccessible::Button) << what;
                EXPECT_EQ(static_cast<QPushButton*>(widget)->text(), "Sterge valori");  // the caption stays as it was
                break;
            case Kind::label:
                // A caption is read as it is shown; the unit of the total resistance also says whose it is.
                EXPECT_EQ(accessible->text(QAccessible::Name), static_cast<QLabel*>(widget)->text()) << what;
                if (control.name == "lblUMs") {
                    EXPECT_EQ(accessible->text(QAccessible::Description).toStdString(), "Unitatea rezistenței totale");
                }
                break;
            default: break;
        }
    }
    EXPECT_EQ(Heard(Find(*window, "txtRst"), QAccessible::Value), "0");
}

}  // namespace
}  // namespace quorvel
