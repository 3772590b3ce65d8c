#pragma once


#include <QWidget>

#include "events/platform.h"

namespace quorvel {

// The platform as a window sees it: ending closes the window and leaves the
// event loop; a run-time error is told in a modal message box, in Romanian.
class WindowPlatform : public Platform {
public:
    explicit WindowPlatform(QWidget& window) : window_(window) {}

    void End() override;
    void ReportError(const RuntimeError& error) override;
    bool Ended() const { return ended_; }

private:
    QWidget& window_;
    bool ended_ = false;
};

}  // namespace quorvel
