#include "ui/result_box.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace quorvel {
namespace {

// The line edit's own margins around its text, in pixels.
constexpr int kHorizontalMargin = 2;

}  // namespace

ResultBox::ResultBox(const QString& description, QWidget* parent) : QLineEdit(parent), description_(description) {
    setReadOnly(true);
    setFrame(false);
    setAccessibleDescription(description_);
    // Measured once per new text, not at every paint.
    connect(this, &QLineEdit::textChanged, this, &ResultBox::Measure);
}

void ResultBox::Show(const QString& text, const QString& unit) {
    if (text == this->text() && unit == unit_) return;
    if (text != this->text()) {
        setText(text);
        // A write leaves the caret at the end, and a long text's beginning out of sight.
        if (!fits_) setCursorPosition(0);
    }
    unit_ = unit;
    const QString whole = unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
    if (fits_ && toolTip().isEmpty()) return;  // nothing cut before or now
    setToolTip(fits_ ? QString() : whole);
    setAccessibleDescription(fits_ ? description_ : whole + QStringLiteral(". ") + description_);
}

// The room the line edit gives its text, as it lays the text out.
QRect ResultBox::LineRect() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this) - textMargins();
    const int height = fontMetrics().height();
    return {contents.x() + kHorizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * kHorizontalMargin, height};
}

// As the line edit decides whether to scroll: the text, a pixel and the caret.
void ResultBox::Measure() {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const int caret = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
    fits_ = text().isEmpty() ||
            qRound(QFontMetricsF(font()).horizontalAdvance(text())) + 1 + caret <= LineRect().width();
}

QString ResultBox::Shown() const {
    if (fits_) return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, LineRect().width());
}

void ResultBox::paintEvent(QPaintEvent* event) {
    // The user scrolls or selects through a long text as in any line edit.
    const bool scrolling = cursorPosition() != 0 || hasSelectedText();
    if (fits_ || scrolling) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(LineRect(), Qt::AlignLeft | Qt::AlignTop, Shown());
    }
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Tab would select the whole text and scroll to its end: the box shows its
// beginning instead, and its frame marks the focus.
void ResultBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    deselect();
    setCursorPosition(0);
}

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    Measure();
}

void ResultBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Measure();
}

}  // namespace quorvel
