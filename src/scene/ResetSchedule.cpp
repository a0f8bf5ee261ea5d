#include "scene/ResetSchedule.h"

#include "platform/MillisecondClock.h"

#include <algorithm>

namespace Scene {

namespace {

// Formed in 64 bits: a stored period of days in seconds would wrap in 32 bits to some short
// period, and one beyond half the clock's range would look due at once, every frame.
uint32_t periodInMilliseconds(int32_t periodSeconds) {
    const int64_t milliseconds = int64_t{periodSeconds} * 1000;
    return static_cast<uint32_t>(
        std::clamp<int64_t>(milliseconds, 0, int64_t{ResetSchedule::longestPeriodMilliseconds}));
}

} // namespace

ResetSchedule::ResetSchedule(bool enabled, int32_t periodSeconds, uint32_t now)
    : enabled_(enabled), periodMilliseconds_(periodInMilliseconds(periodSeconds)),
      nextResetTime_(now + periodMilliseconds_) {}

bool ResetSchedule::isDue(uint32_t now) const {
    return enabled_ && hasTimePassed(now, nextResetTime_);
}

} // namespace Scene
