#include "ui/circuit_frame.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "frontend/window_layout.h"

namespace quorvel {

using layout::Pixels;

namespace {

// To a screen reader the frame is a group of the window's controls. As a
// plain frame, the toolkit calls it a border, which assistive technology
// on Linux takes for a window of its own: it then follows neither the focus
// nor the changes of the entries standing in it.
QAccessibleInterface* GroupOfControls(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(CircuitFrame::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
}

}  // namespace

CircuitFrame::CircuitFrame(QWidget* parent) : QFrame(parent) {
    static const bool told = (QAccessible::installFactory(GroupOfControls), true);
    Q_UNUSED(told);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void CircuitFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (const auto& item : layout::kControls) {
        if (item.container != layout::Container::fraSerie) continue;
        const QColor ink = QColor::fromRgb(item.colour);
        if (item.kind == layout::Kind::line) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(ink, item.line_width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(Pixels(item.left), Pixels(item.top)),
                             QPointF(Pixels(item.left + item.width), Pixels(item.top + item.height)));
        } else if (item.kind == layout::Kind::dot) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(QRectF(Pixels(item.left), Pixels(item.top), Pixels(item.width), Pixels(item.height)));
        }
    }
}

}  // namespace quorvel
