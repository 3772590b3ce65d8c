#include "ui/result_box.h"

#include <algorithm>

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

// A number in exponent form keeps its exponent in sight: only the mantissa
// is cut, so that "9.99…E+19" can never pass for nine. Its first digit
// always stays, in the box's margins where the line has no room for it.
QString ResultBox::Shown() const {
    if (fits_) return text();
    const qsizetype at = text().indexOf(QLatin1Char('E'));
    const QString exponent = at < 0 ? QString() : text().mid(at);
    const QString mantissa = text().left(text().size() - exponent.size());
    const QFontMetrics metrics = fontMetrics();
    QString cut = metrics.elidedText(mantissa, Qt::ElideRight, LineRect().width() - metrics.horizontalAdvance(exponent));
    if (!cut.startsWith(mantissa.left(1))) cut = mantissa.left(1) + QStringLiteral("…");
    return cut + exponent;
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
        const QString shown = Shown();
        QRect line = LineRect();
        const int overflow = fontMetrics().horizontalAdvance(shown) - line.width();
        if (overflow > 0) line.setLeft(std::max(0, line.left() - overflow));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, shown);
    }
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Tab would select the whole text and scroll to its end: the box shows its
// beginning instead, and its frame marks the focus. The box below would
// hide the frame's bottom edge: the focused box stands above its neighbours.
void ResultBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    raise();
    deselect();
    setCursorPosition(0);
}

// Whatever was selected or scrolled, a box the user leaves shows its
// beginning again; a context menu only borrows the focus.
void ResultBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;
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
