#include "ui/key_preview.h"

#include <QApplication>
#include <QKeyEvent>

namespace quorvel {

KeyPreview::KeyPreview(QWidget& window, EventDispatcher& events, const WindowPlatform& platform)
    : window_(window), events_(events), platform_(platform) {}

// While a chooser's list, a context menu or any other popup is open, its
// keys are its own: Esc closes it and nothing else.
bool KeyPreview::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType()) return false;
    if (QApplication::activePopupWidget() || !BelongsToWindow(static_cast<QWidget*>(receiver))) return false;
    for (const QChar character : static_cast<QKeyEvent*>(event)->text()) {
        events_.KeyPress(static_cast<std::int16_t>(character.unicode()));
        if (platform_.Ended()) return true;  // the program is over: the key goes nowhere
    }
    return false;
}

// The window's own controls; not a dialog such as the error message, where
// Esc only closes the dialog.
bool KeyPreview::BelongsToWindow(const QWidget* widget) const { return widget->window() == &window_; }

}  // namespace quorvel
