#pragma once

#include <functional>

#include <QTimer>
#include <QWidget>

#include "events/platform.h"

namespace quorvel {

// The platform as a window sees it: ending closes the window and leaves the
// event loop; a run-time error is told in a modal message box, in Romanian,
// over the window once it shows.
class WindowPlatform : public Platform {
public:
    // paused: called once the user has paused as long as asked.
    WindowPlatform(QWidget& window, std::function<void()> paused);

    void End() override;
    void ReportError(const RuntimeError& error) override;
    void AwaitPause(std::chrono::milliseconds pause) override;
    bool Ended() const { return ended_; }

private:
    QWidget& window_;
    QTimer* pause_;  // the window's, named "pause"
    bool ended_ = false;
};

}  // namespace quorvel
