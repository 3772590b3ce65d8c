#pragma once

#include <chrono>

#include "number/runtime_error.h"

namespace quorvel {

// What the event handlers need of the platform beyond the fields: its end
// operation and its report of a run-time error.
class Platform {
public:
    virtual ~Platform() = default;
    // Ends the program at once; no further handler runs.
    virtual void End() = 0;
    // Tells the user of a run-time error; the program goes on afterwards.
    virtual void ReportError(const RuntimeError& error) = 0;
    // Calls the dispatcher's Paused once the time given has gone by, unless
    // asked again before, which counts the time from then; never once the
    // program has ended.
    virtual void AwaitPause(std::chrono::milliseconds pause) = 0;
};

}  // namespace quorvel
