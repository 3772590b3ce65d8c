#pragma once

#include <optional>

#include <QLineEdit>

#include "frontend/typed_limit.h"
#include "frontend/window_logic.h"

namespace quorvel {

// A resistor or current entry. It tells the window logic how each edit of
// the user's puts its text in (typed, pasted or other) before the edit is
// made, and shows what the logic answers; a press of the main button into
// it, its tooltip asked for. The program's own writes pass as they are.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class EntryBox : public QLineEdit {
public:
    EntryBox(const layout::Control& control, QWidget* parent);
    void Bind(WindowLogic& logic, const layout::Control& control);

    // The program's write.
    void Write(const QString& text);
    // How the edit being made puts its text in; none for the program's.
    std::optional<EntryInput> Input() const { return input_; }
    // What a paste or a drop puts in.
    QString Pasted() const;
    WindowLogic* Logic() const { return logic_; }
    const layout::Control& Control() const { return *control_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    WindowLogic* logic_ = nullptr;
    const layout::Control* control_;
    QString pasted_;  // while a drop or the middle button puts its text in
    // Whatever else the user does that puts text in (a drop, a paste from
    // the menu or the middle button) is a paste.
    std::optional<EntryInput> input_ = EntryInput::pasted;
};

}  // namespace quorvel
