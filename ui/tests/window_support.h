#pragma once

// Helpers for tests that drive the real window.

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "frontend/control_name.h"
#include "test_support/field_texts.h"
#include "ui/frm_quorvel.h"
#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel::testing {

inline QString Name(std::string_view name, int index = -1) { return QString::fromStdString(ControlName(name, index)); }

// How the error report tells of an overflow.
inline const QString kOverflowReport = QStringLiteral(
    "Quorvel|Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
    "Micșorați o valoare sau alegeți o unitate mai mică.");

template <class Widget = QWidget>
Widget* Find(const QWidget& window, std::string_view name, int index = -1) {
    auto* widget = window.findChild<Widget*>(Name(name, index));
    EXPECT_NE(widget, nullptr) << name.data() << ' ' << index;
    return widget;
}

// A window as the program starts it: created, loaded and shown.
inline std::unique_ptr<frmQuorvel> StartedWindow() {
    auto window = std::make_unique<frmQuorvel>();
    window->Load();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

// Every result with its unit, in the order of the window's rows.
inline std::vector<std::string> Results(const FieldSet& fields) { return ResultTexts(fields); }

// The user replaces the whole text of an entry by pasting, or pastes where
// the caret stands.
inline void PasteOver(QLineEdit* edit, const QString& text, bool whole = true) {
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    if (whole) QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// The user pauses in their typing: a report that waits for it shows now.
inline void Pause(const QWidget& window) {
    auto* pause = window.findChild<QTimer*>(QStringLiteral("pause"));
    if (pause->isActive()) pause->start(0);
    EXPECT_TRUE(QTest::qWaitFor([pause] { return !pause->isActive(); }));
}

// Keys typed without looking up: each goes to whatever window has the focus
// when it arrives, a report that opened meanwhile included.
inline void TypeAtTheFocusWindow(const std::string& keys) {
    const auto typed = std::make_shared<std::size_t>(0);
    for (const char key : keys) {
        QTimer::singleShot(0, [key, typed] { QTest::keyClick(QGuiApplication::focusWindow(), key); ++*typed; });
    }
    EXPECT_TRUE(QTest::qWaitFor([typed, &keys] { return *typed == keys.size(); }));
}

// Answers every message box that opens while it lives, by the given key,
// remembering what it said: "title|text", its icon, its buttons and its text format.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(Qt::Key key = Qt::Key_Return) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, key] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back(box->windowTitle() + '|' + box->text());
                icons.push_back(box->icon());
                buttons.push_back(box->standardButtons());
                formats.push_back(box->textFormat());
                QTest::keyClick(box, key);
            }
        });
        timer_.start();
    }

    std::vector<QString> seen;
    std::vector<QMessageBox::Icon> icons;
    std::vector<QMessageBox::StandardButtons> buttons;
    std::vector<Qt::TextFormat> formats;

private:
    QTimer timer_;
};

}  // namespace quorvel::testing
