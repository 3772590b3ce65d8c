#pragma once

namespace quorvel {

// What a front end does around each event the user raises, nested ones
// inside it included: it holds the results a recalculation writes, several
// times over, and shows each box once when the event is over, before any
// report of an error covers the window.
class EventScope {
public:
    virtual ~EventScope() = default;
    virtual void EventBegins() = 0;
    virtual void EventEnds() = 0;
};

}  // namespace quorvel
