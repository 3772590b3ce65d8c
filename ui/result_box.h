#pragma once

#include <QLineEdit>

#include "frontend/window_logic.h"

namespace quorvel {

// A read-only box of a computed number or unit word. It draws its text as
// the window logic says (frontend/result_boxes.h): whole, as a line edit
// does, or cut, at a size; its text stays whole, for select-all and copy.
// It tells the logic its room and its font's widths, and when the user moves
// in it or its size or font changes. Focused, it is framed in the highlight
// colour, since a read-only line edit draws no caret.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class ResultBox : public QLineEdit {
public:
    explicit ResultBox(QWidget* parent);
    void Bind(WindowLogic& logic, const layout::Control& control);

    void Draw(bool cut, const QString& shown, double size);
    BoxRoom Room() const;
    double TextWidth(const QString& text, double size) const;
    // What the box draws when the user is not in it, in what font, and
    // where its text may stand.
    QString VisibleText() const { return cut_ ? shown_ : text(); }
    QFont VisibleFont() const { return FontAt(cut_ ? size_ : 1); }
    QRect LineRect() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont FontAt(double size) const;
    void Moved();

    WindowLogic* logic_ = nullptr;
    const layout::Control* control_ = nullptr;
    bool cut_ = false;
    QString shown_;
    double size_ = 1;
};

}  // namespace quorvel
