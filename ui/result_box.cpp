#include "ui/result_box.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace quorvel {
namespace {

// The line edit's own margins around its text, in pixels.
constexpr int kHorizontalMargin = 2;

}  // namespace

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
}

// The user's moves, while the box has the focus: only the user moves in it then.
void ResultBox::Bind(WindowLogic& logic, const layout::Control& control) {
    logic_ = &logic;
    control_ = &control;
    connect(this, &QLineEdit::cursorPositionChanged, this, &ResultBox::Moved);
    connect(this, &QLineEdit::selectionChanged, this, &ResultBox::Moved);
}

void ResultBox::Moved() {
    if (!hasFocus() || !logic_) return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
    logic_->BoxMoved(*control_, start, end, false);
}

void ResultBox::Draw(bool cut, const QString& shown, double size) {
    if (cut == cut_ && size == size_ && shown == shown_) return;
    cut_ = cut;
    shown_ = shown;
    size_ = size;
    update();
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

// A text fits as the line edit decides whether to scroll: its width in
// whole pixels, with a pixel and the caret beside it.
BoxRoom ResultBox::Room() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const int caret = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
    return {static_cast<double>(LineRect().width()), 1.0 + caret, true, 0};
}

// The box's font is drawn without shaping or kerning: a text is as wide as
// its characters' advances together. At another size, as the font is at
// that size.
double ResultBox::TextWidth(const QString& text, double size) const {
    return QFontMetricsF(FontAt(size)).horizontalAdvance(text);
}

QFont ResultBox::FontAt(double size) const {
    QFont scaled = font();
    if (size != 1) scaled.setPointSizeF(scaled.pointSizeF() * size);
    return scaled;
}

bool ResultBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && logic_) logic_->TooltipAsked(*control_);
    return QLineEdit::event(event);
}

void ResultBox::paintEvent(QPaintEvent* event) {
    if (!cut_) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        // On its baseline: a text laid out in a rectangle costs the toolkit a
        // dozen times more, at every paint.
        const QFont visible = VisibleFont();
        const QFontMetricsF metrics(visible);
        const QRect line = LineRect();
        painter.setFont(visible);
        painter.drawText(QPointF(line.left(), line.top() + (line.height() - metrics.height()) / 2 + metrics.ascent()), shown_);
    }
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The box below would hide the focus frame's bottom edge: the focused box
// stands above its neighbours.
void ResultBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    raise();
}

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (logic_) logic_->LayoutChanged(control_);
}

void ResultBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    const QEvent::Type type = event->type();
    if (logic_ && (type == QEvent::FontChange || type == QEvent::StyleChange)) logic_->LayoutChanged(control_);
}

}  // namespace quorvel
