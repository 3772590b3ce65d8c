#include "ui/key_preview.h"

#include <QKeyEvent>

namespace quorvel {

KeyPreview::KeyPreview(QWidget& window, EventDispatcher& events, const WindowPlatform& platform)
    : window_(window), events_(events), platform_(platform) {}

bool KeyPreview::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType()) return false;
    if (!BelongsToWindow(static_cast<QWidget*>(receiver))) return false;
    for (const QChar character : static_cast<QKeyEvent*>(event)->text()) {
        events_.KeyPress(static_cast<std::int16_t>(character.unicode()));
        if (platform_.Ended()) return true;  // the program is over: the key goes nowhere
    }
    return false;
}

// The window's own controls and the lists its choosers open; not a dialog
// such as the error message, where Esc only closes the dialog.
bool KeyPreview::BelongsToWindow(const QWidget* widget) const {
    const QWidget* top = widget->window();
    if (top == &window_) return true;
    if (top->windowType() != Qt::Popup) return false;
    for (const QWidget* w = top->parentWidget(); w; w = w->parentWidget()) {
        if (w == &window_) return true;
    }
    return false;
}

}  // namespace quorvel
