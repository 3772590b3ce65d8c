#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "events/platform.h"

namespace quorvel {

// The platform as the page sees it: a browser tab cannot be closed by the
// page, so ending hands over to the page's owner, which takes the calculator
// away; a run-time error is told in the page's modal dialog, in Romanian,
// once the calculator has taken the page over.
class WebPlatform : public Platform {
public:
    // paused: called once the user has paused as long as asked.
    WebPlatform(std::function<void()> end, std::function<void()> paused)
        : end_(std::move(end)), paused_(std::move(paused)) {}
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

    void End() override;
    void ReportError(const RuntimeError& error) override;
    void AwaitPause(std::chrono::milliseconds pause) override;
    bool Ended() const { return ended_; }
    // The calculator has taken the page over: a report held till then shows.
    void Shown();

private:
    static void Paused(void* platform);

    std::function<void()> end_;
    std::function<void()> paused_;
    long pause_timer_ = 0;  // 0: none
    bool ended_ = false;
    bool shown_ = false;
    std::optional<RuntimeError> held_;  // told before the calculator had taken the page over
};

}  // namespace quorvel
