#pragma once

#include <string_view>

#include <QString>
#include <QWidget>

namespace quorvel {

// Makes a widget the calculator's window as the layout table describes it:
// title, fixed size, font, icon, colours, every control in its creation
// state and the tab order. No event is bound.
void BuildWindow(QWidget& window);

// A control's object name: "txtRs(0)" for an element of a control array,
// the bare name otherwise.
QString ControlName(std::string_view name, int index = -1);

}  // namespace quorvel
