#pragma once

#include <QObject>

#include "frontend/window_logic.h"
#include "ui/widget_view.h"

namespace quorvel {

// Shows the window logic every key pressed in any of the window's controls
// before the control sees it (frontend/window_keys.h says what it means),
// with its code, its modifiers, what it types and whether a popup has it.
// Installed on the application, so that it comes before every control.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    KeyPreview(WindowLogic& logic, const WidgetView& view) : logic_(logic), view_(view) {}

    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    WindowLogic& logic_;
    const WidgetView& view_;
};

}  // namespace quorvel
