#include "ui/result_box.h"

#include "ui/system_locale.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace quorvel {
namespace {

// The line edit's own margins around its text, in pixels.
constexpr int kHorizontalMargin = 2;

}  // namespace

ResultBox::ResultBox(const QString& description, QWidget* parent)
    : QLineEdit(parent), description_(description.toStdString()) {
    setReadOnly(true);
    setFrame(false);
    setAccessibleDescription(description);
    // Measured once per new text, not at every paint.
    connect(this, &QLineEdit::textChanged, this, &ResultBox::Measure);
}

void ResultBox::SetResult(const QString& text, const QString& unit) {
    if (text == this->text() && unit == unit_) return;
    unit_ = unit;
    if (text != this->text()) {
        setText(text);  // measured
        // A write leaves the caret at the end, and a long text's beginning out of sight.
        if (display_.cut) setCursorPosition(0);
    } else {
        Measure();
    }
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

// The box's font at size times its size.
QFont ResultBox::FontAt(double size) const {
    QFont scaled = font();
    if (size != 1) scaled.setPointSizeF(scaled.pointSizeF() * size);
    return scaled;
}

QFont ResultBox::VisibleFont() const { return FontAt(display_.size); }

// The width of a text as the line edit lays it out, in whole pixels. The
// box's font is drawn without shaping or kerning, so a text is as wide as
// its characters' advances together, and each character is measured once.
// At another size, as the font is at that size.
double ResultBox::Width(QStringView text, double size) {
    if (size != 1) return QFontMetricsF(FontAt(size)).horizontalAdvance(text.toString());
    qreal width = 0;
    for (const QChar c : text) {
        if (c.isSurrogate()) return qRound(QFontMetricsF(font()).horizontalAdvance(text.toString()));
        auto [known, added] = advances_.try_emplace(c.unicode());
        if (added) known->second = QFontMetricsF(font()).horizontalAdvance(c);
        width += known->second;
    }
    return qRound(width);
}

// A text fits as the line edit decides whether to scroll: with a pixel and
// the caret beside it.
void ResultBox::Measure() {
    if (measured_for_ != size()) {
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        caret_ = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
        room_ = LineRect().width();
        point_ = SystemNumberLocale().DecimalPoint();
        measured_for_ = size();
    }
    const auto width = [this](std::string_view utf8, double size) {
        return Width(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), size);
    };
    const bool was_cut = display_.cut;
    const QString whole = text();
    const bool fits = whole.isEmpty() || Width(whole) + 1 + caret_ <= room_;
    display_ = DisplayResult(whole.toStdString(), unit_.toStdString(), description_, point_, fits, room_, width);
    if (!display_.cut && !was_cut) return;  // nothing cut before or now
    setToolTip(QString::fromStdString(display_.tooltip));
    setAccessibleDescription(QString::fromStdString(display_.spoken));
}

void ResultBox::paintEvent(QPaintEvent* event) {
    // The user scrolls or selects through a long text as in any line edit.
    const bool scrolling = cursorPosition() != 0 || hasSelectedText();
    if (!display_.cut || scrolling) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.setFont(VisibleFont());
        painter.drawText(LineRect(), Qt::AlignLeft | Qt::AlignVCenter, VisibleText());
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
    const QEvent::Type type = event->type();
    if (type != QEvent::FontChange && type != QEvent::StyleChange && type != QEvent::LocaleChange) return;
    if (type == QEvent::FontChange) advances_.clear();
    measured_for_ = QSize();
    Measure();
}

}  // namespace quorvel
