#pragma once

#include <QFrame>

namespace quorvel {

// The frame of the circuit drawing: it paints the wire, the dimension
// brackets and the dots of the layout beneath the boxes standing on it.
class CircuitFrame : public QFrame {
    Q_OBJECT
public:
    explicit CircuitFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel
