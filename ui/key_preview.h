#pragma once

#include <QObject>
#include <QWidget>

#include "events/dispatcher.h"
#include "ui/window_platform.h"

namespace quorvel {

// Shows the window's key handler every character typed into any of its
// controls, an open chooser list included, before the control sees it.
// Installed on the application, since a chooser's list is a window of its own.
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
