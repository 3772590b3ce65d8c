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

#include "calc/recalculate.h"
#include "ui/frm_quorvel.h"
#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel::testing {

inline QString Name(std::string_view name, int index = -1) { return ControlName(name, index); }

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
inline std::vector<std::string> Results(const FieldSet& fields) {
    std::vector<std::string> texts;
    for (Field field : {Field::txtRst, Field::lblUMs, Field::txtUst, Field::txtUMUst, Field::txtUs, Field::txtUMUs,
                        Field::txtPs, Field::txtUMPs, Field::txtPst, Field::txtUMpst}) {
        for (int i = 0; i < CountOf(field); ++i) texts.push_back(fields.Text(field, i));
    }
    return texts;
}

// What the result controls show, in the same order.
inline std::vector<std::string> ShownResults(const QWidget& window) {
    std::vector<std::string> texts;
    for (Field field : {Field::txtRst, Field::lblUMs, Field::txtUst, Field::txtUMUst, Field::txtUs, Field::txtUMUs,
                        Field::txtPs, Field::txtUMPs, Field::txtPst, Field::txtUMpst}) {
        for (int i = 0; i < CountOf(field); ++i) {
            const QWidget* control = window.findChild<QWidget*>(ControlName(NameOf(field), CountOf(field) > 1 ? i : -1));
            const auto* label = qobject_cast<const QLabel*>(control);
            texts.push_back((label ? label->text() : static_cast<const QLineEdit*>(control)->text()).toStdString());
        }
    }
    return texts;
}

// What one recalculation computes from the window's inputs as they stand.
inline std::vector<std::string> ExpectedResults(const FieldSet& window) {
    FieldModel model(SystemNumberLocale());
    for (Field input : {Field::txtRs, Field::cboRs, Field::txtIst, Field::cboIst}) {
        for (int i = 0; i < CountOf(input); ++i) model.SetText(input, i, window.Text(input, i));
    }
    try {
        Recalculate(model);
    } catch (const RuntimeError&) {
    }
    return Results(model);
}

// The user replaces the whole text of an entry by pasting.
inline void PasteOver(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Answers every message box that opens while it lives, remembering what it said.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back(box->windowTitle() + '|' + box->text());
                box->accept();
            }
        });
        timer_.start();
    }

    std::vector<QString> seen;

private:
    QTimer timer_;
};

}  // namespace quorvel::testing
