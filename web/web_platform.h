#pragma once

#include <functional>
#include <utility>

#include "events/platform.h"

namespace quorvel {

// The platform as the page sees it: a browser tab cannot be closed by the
// page, so ending hands over to the page's owner, which takes the calculator
// away; a run-time error is told in the page's modal dialog, in Romanian.
class WebPlatform : public Platform {
public:
    explicit WebPlatform(std::function<void()> end) : end_(std::move(end)) {}

    void End() override;
    void ReportError(const RuntimeError& error) override;
    bool Ended() const { return ended_; }

private:
    std::function<void()> end_;
    bool ended_ = false;
};

}  // namespace quorvel
