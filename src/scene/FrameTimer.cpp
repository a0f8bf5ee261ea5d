#include "scene/FrameTimer.h"

#include <algorithm>

namespace Scene {

uint32_t FrameTimer::effectivePeriod(uint32_t requestedMilliseconds) {
    return std::clamp(requestedMilliseconds, minimumPeriod, maximumPeriod);
}

FrameTimer::FrameTimer(const IMillisecondClock& clock) : clock_(clock) {}

void FrameTimer::set(uint32_t milliseconds) {
    armed_ = true;
    period_ = effectivePeriod(milliseconds);
    deadline_ = clock_.now() + period_;
}

void FrameTimer::stop() {
    armed_ = false;
}

bool FrameTimer::isDue(uint32_t now) const {
    return isTimeReached(now, deadline_);
}

bool FrameTimer::takeDueTick() {
    const uint32_t now = clock_.now();
    if (!armed_ || !isDue(now)) {
        return false;
    }
    deadline_ = now + period_;
    return true;
}

std::optional<uint32_t> FrameTimer::millisecondsUntilDue() const {
    if (!armed_) {
        return std::nullopt;
    }
    const uint32_t now = clock_.now();
    return isDue(now) ? 0 : deadline_ - now;
}

} // namespace Scene
