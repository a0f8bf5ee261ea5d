#pragma once

#include <chrono>
#include <cstdint>

// A millisecond tick count kept as uint32, so that it wraps after about 49.7 days exactly as the
// tick counts the pacing code was designed around. Differences of two counts are right across
// the wrap; two counts are therefore only ever compared through their difference (see
// isTimeReached), never directly.
class IMillisecondClock {
public:
    virtual ~IMillisecondClock() = default;
    virtual uint32_t now() const = 0;
};

// Whether the time due has come by now, on the wrapping clock: due may lie up to half the range
// (about 24.8 days) behind or ahead of now.
inline bool isTimeReached(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) >= 0;
}

// Whether now lies strictly after due, on the wrapping clock.
inline bool hasTimePassed(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) > 0;
}

// Monotonic time since the clock was made, immune to changes of the wall clock. Counting from
// there rather than from boot means a wrap takes 49.7 days of one run, not of uptime.
class SteadyMillisecondClock : public IMillisecondClock {
public:
    uint32_t now() const override {
        using namespace std::chrono;
        return static_cast<uint32_t>(
            duration_cast<milliseconds>(steady_clock::now() - start_).count());
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The clock every component uses unless it is handed another one; the system's back end gives
// it: the steady clock from its first use on POSIX, the multimedia timer's count on Windows.
IMillisecondClock& systemClock();
