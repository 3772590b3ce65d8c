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
    // What a link brings is not the user's typing: an error it meets is not told.
    void Quiet(bool quiet) { quiet_ = quiet; }

private:
    std::function<void()> end_;
    bool ended_ = false;
    bool quiet_ = false;
};

}  // namespace quorvel
