#pragma once

#include <cstdint>

namespace Scene {

// When the background is next replaced. Due times advance by whole periods from the first one,
// so a saver that fell behind resets once per frame until it has caught up.
class ResetSchedule {
public:
    // The longest period the wrapping clock can tell from one already past (about 24.8 days).
    static constexpr uint32_t longestPeriodMilliseconds = 0x7FFFFFFF;

    ResetSchedule() = default;
    // A negative period counts as none; a longer one than the clock can tell as the longest.
    ResetSchedule(bool enabled, int32_t periodSeconds, uint32_t now);

    // True once the due time has passed, strictly: not at the due millisecond itself.
    bool isDue(uint32_t now) const;
    void advance() { nextResetTime_ += periodMilliseconds_; }
    uint32_t nextResetTime() const { return nextResetTime_; }

private:
    bool enabled_ = false;
    uint32_t periodMilliseconds_ = 0;
    uint32_t nextResetTime_ = 0;
};

} // namespace Scene
