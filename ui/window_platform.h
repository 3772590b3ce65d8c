#pragma once

#include <functional>
#include <utility>

#include <QWidget>

#include "events/platform.h"

namespace quorvel {

// The platform as a window sees it: ending closes the window and leaves the
// event loop; a run-time error is told in a modal message box, in Romanian.
class WindowPlatform : public Platform {
public:
    // before_report brings the window up to date before a report covers it.
    explicit WindowPlatform(QWidget& window, std::function<void()> before_report = {})
        : window_(window), before_report_(std::move(before_report)) {}

    void End() override;
    void ReportError(const RuntimeError& error) override;
    bool Ended() const { return ended_; }

private:
    QWidget& window_;
    std::function<void()> before_report_;
    bool ended_ = false;
};

}  // namespace quorvel
