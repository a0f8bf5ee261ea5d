#pragma once

#include "platform/MillisecondClock.h"

#include <cstdint>
#include <optional>

namespace Scene {

// The saver window's frame timer: a periodic deadline on the monotonic millisecond clock that the
// message loop sleeps towards. Like a window timer it never fires sooner than the platform
// minimum, so a frame pacing that asks for no idle time at all still lets the machine breathe.
class FrameTimer {
public:
    static constexpr uint32_t minimumPeriod = 10;
    // Longer periods would make the wrapping deadline comparison ambiguous.
    static constexpr uint32_t maximumPeriod = 0x7FFFFFFF;

    static uint32_t effectivePeriod(uint32_t requestedMilliseconds);

    explicit FrameTimer(const IMillisecondClock& clock = systemClock());

    // (Re)arms the timer: the first tick comes one period from now, then one every period.
    void set(uint32_t milliseconds);
    void stop();
    bool isArmed() const { return armed_; }
    uint32_t period() const { return period_; }

    // True when a tick is due; the timer then counts the next period from now.
    bool takeDueTick();
    // How long one may sleep before the next tick; empty while the timer is stopped.
    std::optional<uint32_t> millisecondsUntilDue() const;

private:
    bool isDue(uint32_t now) const;

    const IMillisecondClock& clock_;
    bool armed_ = false;
    uint32_t period_ = 0;
    uint32_t deadline_ = 0;
};

} // namespace Scene
