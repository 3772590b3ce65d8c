#pragma once

#include <QLineEdit>

namespace quorvel {

// A read-only box of a computed number or unit word. A text too long for the
// box shows its beginning and "…" (before the exponent, if it has one), so
// that a cut number can never pass for a whole one; its text stays whole, for the field set, select-all
// and copy. Focused, it is framed in the highlight colour, since a read-only
// line edit draws no caret.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class ResultBox : public QLineEdit {
public:
    ResultBox(const QString& description, QWidget* parent);

    // Writes the whole text with the beginning in view, and says it with its
    // unit in the tooltip and to a screen reader where the box cuts it.
    // Nothing is touched when neither changed.
    void Show(const QString& text, const QString& unit);
    // What the box draws when the user is not scrolling through it.
    QString Shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect LineRect() const;
    void Measure();

    QString description_;  // what a screen reader says of the box whatever it holds
    QString unit_;
    bool fits_ = true;
};

}  // namespace quorvel
