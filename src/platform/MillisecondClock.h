#pragma once

#include <cstdint>

// A millisecond tick count kept as uint32, so that it wraps after about 49.7 days exactly as the
// tick counts the pacing code was designed around; comparisons must therefore stay unsigned.
class IMillisecondClock {
public:
    virtual ~IMillisecondClock() = default;
    virtual uint32_t now() const = 0;
};

// Monotonic time since an arbitrary start, immune to changes of the wall clock.
class SteadyMillisecondClock : public IMillisecondClock {
public:
    uint32_t now() const override;
};

// The clock every component uses unless it is handed another one.
IMillisecondClock& systemClock();
