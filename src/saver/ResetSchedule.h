#pragma once

#include <cstdint>

// When the background is next replaced. Due times advance by whole periods from the first one,
// so a saver that fell behind resets once per frame until it has caught up.
class ResetSchedule {
public:
    ResetSchedule() = default;
    ResetSchedule(bool enabled, int32_t periodSeconds, uint32_t now);

    // True once the due time has passed (tick counts compared unsigned, as they wrap).
    bool isDue(uint32_t now) const { return enabled_ && now > nextResetTime_; }
    void advance() { nextResetTime_ += periodMilliseconds_; }
    uint32_t nextResetTime() const { return nextResetTime_; }

private:
    bool enabled_ = false;
    uint32_t periodMilliseconds_ = 0;
    uint32_t nextResetTime_ = 0;
};
