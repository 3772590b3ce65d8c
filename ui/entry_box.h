#pragma once

#include <optional>

#include <QLineEdit>

#include "frontend/control_name.h"
#include "frontend/typed_limit.h"

namespace quorvel {

// A resistor or current entry. What the user edits is taken as the entries'
// rules take it (frontend/typed_limit.h): typing held to the entry's limit,
// a paste or a drop whole and in place of a lone default; the program's own
// writes as they are. Clicked or tapped while it holds only its default, it
// selects it, as Tab does, so that the first key replaces it.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class EntryBox : public QLineEdit {
public:
    EntryBox(FieldElement entry, QWidget* parent);

    // The program's write.
    void Write(const QString& text);
    // How the edit being made puts its text in; none for the program's.
    std::optional<EntryInput> Input() const { return input_; }
    // What a paste or a drop puts in.
    QString Pasted() const;
    FieldElement Entry() const { return entry_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FieldElement entry_;
    QString pasted_;  // while a drop or the middle button puts its text in
    // Whatever else the user does that puts text in (a drop, a paste from
    // the menu or the middle button) is a paste.
    std::optional<EntryInput> input_ = EntryInput::pasted;
};

}  // namespace quorvel
