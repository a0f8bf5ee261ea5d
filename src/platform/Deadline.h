#pragma once

#include "platform/MillisecondClock.h"

#include <cstdint>

// A moment a fixed number of milliseconds after the deadline was set, for waits that must give
// up in time whatever the clock's count is when they start, also just before it wraps.
class Deadline {
public:
    Deadline(const IMillisecondClock& clock, uint32_t milliseconds)
        : clock_(clock), due_(clock.now() + milliseconds) {}

    bool isReached() const { return isTimeReached(clock_.now(), due_); }

private:
    const IMillisecondClock& clock_;
    uint32_t due_;
};
