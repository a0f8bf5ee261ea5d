#pragma once

#include "platform/MillisecondClock.h"

// A clock that stands still until advanced, so that a run of the rain is the same every time.
class SteppingClock : public IMillisecondClock {
public:
    uint32_t now() const override { return time_; }
    void advance(uint32_t milliseconds);

private:
    uint32_t time_ = 0;
};
