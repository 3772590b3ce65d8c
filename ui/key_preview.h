#pragma once

#include <QObject>
#include <QWidget>

#include "events/dispatcher.h"
#include "ui/window_platform.h"

namespace quorvel {

// Shows the window's key handler every character typed into any of its
// controls before the control sees it; not those typed into an open popup.
// Installed on the application, so that it comes before every control.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    KeyPreview(QWidget& window, EventDispatcher& events, const WindowPlatform& platform);

    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool BelongsToWindow(const QWidget* widget) const;

    QWidget& window_;
    EventDispatcher& events_;
    const WindowPlatform& platform_;
};

}  // namespace quorvel
