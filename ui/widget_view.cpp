#include "ui/widget_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include "ui/context_menu.h"
#include "ui/entry_box.h"
#include "ui/result_box.h"
#include "ui/system_locale.h"
#include "ui/utf8_text.h"

namespace quorvel {

WidgetView::WidgetView(QWidget& window) : window_(window), pause_(new QTimer(&window)) {
    pause_->setObjectName(QStringLiteral("pause"));
    pause_->setSingleShot(true);
}

void WidgetView::Bind(WindowLogic& logic) {
    for (const layout::Control& control : layout::kControls) {
        QWidget* widget = window_.findChild<QWidget*>(QString::fromStdString(ControlName(control.name, control.index)));
        widgets_[static_cast<std::size_t>(layout::IndexOf(control))] = widget;
        if (auto* entry = dynamic_cast<EntryBox*>(widget)) {
            entry->Bind(logic, control);
            QObject::connect(entry, &QLineEdit::textChanged, &window_, [&logic, &control] { logic.EntryChanged(control); });
        } else if (auto* box = dynamic_cast<ResultBox*>(widget)) {
            box->Bind(logic, control);
        } else if (auto* chooser = qobject_cast<QComboBox*>(widget)) {
            QObject::connect(chooser, &QComboBox::currentIndexChanged, &window_,
                             [&logic, &control](int item) { logic.Picked(control, item); });
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QObject::connect(button, &QPushButton::clicked, &window_, [&logic, &control] { logic.Clicked(control); });
        }
    }
    QObject::connect(pause_, &QTimer::timeout, &window_, [&logic] { logic.TimerElapsed(Timer::pause); });
    OfferCommands(*this, logic);
}

const layout::Control* WidgetView::ControlOf(const QObject* widget) const {
    for (const layout::Control& control : layout::kControls) {
        if (Widget(control) == widget) return &control;
    }
    return nullptr;
}

std::string WidgetView::ControlText(const layout::Control& entry) const {
    return static_cast<const QLineEdit*>(Widget(entry))->text().toStdString();
}

const layout::Control* WidgetView::Focused() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == &window_ ? ControlOf(focused) : nullptr;
}

void WidgetView::Focus(const layout::Control& control) { Widget(control)->setFocus(Qt::OtherFocusReason); }

void WidgetView::Apply(const std::vector<ViewWrite>& writes) {
    using Kind = ViewWrite::Kind;
    for (const ViewWrite& write : writes) {
        if (write.kind == Kind::solution || write.kind == Kind::parts) continue;  // the window has no sections
        QWidget* widget = Widget(*write.control);
        switch (write.kind) {
            case Kind::text:
                if (write.control->kind == layout::Kind::label) {
                    auto* label = static_cast<QLabel*>(widget);
                    label->setText(FromUtf8(write.text));
                    label->adjustSize();
                } else if (write.control->kind == layout::Kind::entry) {
                    static_cast<EntryBox*>(widget)->Write(FromUtf8(write.text));
                } else {
                    static_cast<QLineEdit*>(widget)->setText(FromUtf8(write.text));
                }
                break;
            case Kind::pick: static_cast<QComboBox*>(widget)->setCurrentIndex(write.item); break;
            case Kind::select: {
                auto* edit = static_cast<QLineEdit*>(widget);
                if (write.end < 0) {
                    edit->selectAll();
                } else if (write.start == write.end) {
                    edit->deselect();
                    edit->setCursorPosition(write.end);
                } else {
                    edit->setSelection(write.start, write.end - write.start);
                }
                break;
            }
            case Kind::draw:
                static_cast<ResultBox*>(widget)->Draw(write.cut, FromUtf8(write.text), write.size);
                break;
            case Kind::tooltip: widget->setToolTip(FromUtf8(write.text)); break;
            case Kind::describe:
                if (!write.spoken.empty()) widget->setAccessibleDescription(FromUtf8(write.spoken));
                break;
            case Kind::solution:
            case Kind::parts: break;
        }
    }
}

NumberLocale WidgetView::ReadLocale() const { return SystemNumberLocale(); }

BoxRoom WidgetView::Room(const layout::Control& box) const { return static_cast<const ResultBox*>(Widget(box))->Room(); }

double WidgetView::TextWidth(const layout::Control& box, std::string_view text, double size) const {
    return static_cast<const ResultBox*>(Widget(box))->TextWidth(FromUtf8(text), size);
}

bool WidgetView::Copy(const std::string& text, const std::string& html) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    if (!html.empty()) data->setHtml(QString::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void WidgetView::ShowReport(std::string_view title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, FromUtf8(title), QString::fromStdString(text), QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);  // it may quote what the user gave: never read as markup
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void WidgetView::StartTimer(Timer timer, std::chrono::milliseconds after) {
    if (timer == Timer::pause) pause_->start(after);
}

void WidgetView::StopTimer(Timer timer) {
    if (timer == Timer::pause) pause_->stop();
}

void WidgetView::End() {
    window_.close();
    QCoreApplication::exit(0);
}

}  // namespace quorvel
