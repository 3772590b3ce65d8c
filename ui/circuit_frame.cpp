#include "ui/circuit_frame.h"

#include <QPainter>

#include "frontend/window_layout.h"

namespace quorvel {

using layout::Pixels;

CircuitFrame::CircuitFrame(QWidget* parent) : QFrame(parent) {
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
