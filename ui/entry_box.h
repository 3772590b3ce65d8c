#pragma once

#include <QLineEdit>

namespace quorvel {

// A resistor or current entry. What the user types is held to its limit of
// characters; a paste, a drop or the program's own write is never cut.
// Clicked or tapped while it holds only its default, it selects it, as Tab
// does, so that the first key replaces it.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class EntryBox : public QLineEdit {
public:
    // typed_limit: the characters the user may type; 0 for no limit.
    EntryBox(const QString& default_text, int typed_limit, QWidget* parent);

    bool Typing() const { return typing_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString default_text_;
    bool typing_ = false;             // a key or an input method is putting its text in
    bool select_on_release_ = false;  // the press that is ending gave the focus to the default
};

}  // namespace quorvel
