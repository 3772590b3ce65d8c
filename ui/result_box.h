#pragma once

#include <unordered_map>

#include <QLineEdit>

#include "frontend/result_display.h"

namespace quorvel {

// A read-only box of a computed number or unit word. A text too long for the
// box is drawn cut as the display rule cuts it (frontend/result_display.h);
// its text stays whole, for the field set, select-all and copy, and so does
// its tooltip and what a screen reader says. Focused, it is framed in the
// highlight colour, since a read-only line edit draws no caret.
//
// No Q_OBJECT: it adds no signals, and to every check it is a line edit.
class ResultBox : public QLineEdit {
public:
    ResultBox(const QString& description, QWidget* parent);

    // Writes the whole text with the beginning in view, and its unit for the
    // tooltip and the screen reader. Nothing is touched when neither changed.
    void SetResult(const QString& text, const QString& unit);
    // What the box draws when the user is not scrolling through it, in what
    // font, and where its text may stand.
    QString VisibleText() const { return QString::fromStdString(display_.shown); }
    QFont VisibleFont() const;
    QRect LineRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Measure();
    QFont FontAt(double size) const;
    double Width(QStringView text, double size = 1);

    std::string description_;  // what a screen reader says of the box whatever it holds
    QString unit_;
    ResultDisplay display_;
    // What measuring asks of the style, the font and the settings, which a
    // new text leaves as they were: kept until the box, its font, its style
    // or the settings change.
    QSize measured_for_;  // the size room_ was measured for; empty: none yet
    int room_ = 0;        // the width the text has
    int caret_ = 0;
    std::string point_;   // the settings' decimal point
    std::unordered_map<char16_t, qreal> advances_;  // of each character met, in the box's font
};

}  // namespace quorvel
