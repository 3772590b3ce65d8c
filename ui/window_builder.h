#pragma once

#include <QWidget>

namespace quorvel {

// Makes a widget the calculator's window as the layout table describes it:
// title, fixed size, font, icon, colours, every control in its creation
// state and the tab order. No event is bound.
void BuildWindow(QWidget& window);

}  // namespace quorvel
