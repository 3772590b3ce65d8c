#include "ui/frm_quorvel.h"

#include <QApplication>
#include <QTimer>

#include "ui/window_builder.h"

namespace quorvel {

frmQuorvel::frmQuorvel(QWidget* parent) : QWidget(parent), view_(*this), logic_(view_), key_preview_(logic_, view_) {
    // Whatever the settings' language: every word of the window is Romanian.
    if (toolkit_texts_.load(QStringLiteral(":/translations/toolkit_ro.qm"))) {
        QCoreApplication::installTranslator(&toolkit_texts_);
    }
    BuildWindow(*this);
    view_.Bind(logic_);
    qApp->installEventFilter(&key_preview_);
    connect(qApp, &QApplication::focusChanged, this, &frmQuorvel::FocusMoved);
}

// Closing the window moves the focus, which must not reach a window whose
// own parts are already gone.
frmQuorvel::~frmQuorvel() { disconnect(qApp, nullptr, this, nullptr); }

void frmQuorvel::Load(const std::optional<Circuit>& circuit) { logic_.Load(circuit); }

// Once the window is on the screen.
void frmQuorvel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { logic_.Shown(); });
}

void frmQuorvel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) logic_.SettingsChanged();
}

// A popup, a message box and another window are not the window's controls.
void frmQuorvel::FocusMoved(QWidget* old, QWidget* now) {
    const layout::Control* from = old && old->window() == this ? view_.ControlOf(old) : nullptr;
    const layout::Control* to = now && now->window() == this ? view_.ControlOf(now) : nullptr;
    if (from) logic_.FocusLeft(*from, to != nullptr);
    if (to) logic_.FocusEntered(*to, from != nullptr);
}

}  // namespace quorvel
