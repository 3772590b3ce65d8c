#pragma once

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
};

}  // namespace quorvel
