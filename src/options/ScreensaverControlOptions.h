#pragma once

#include "options/IScreensaverControlOptions.h"
#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"

#include <cstdint>

namespace Persistence {
class InputStream;
}

// The control options with the periodic picture reset, stored as an object of the object
// streams. Setters keep what they are given; the bounds are for the settings page.
class ScreensaverControlOptions : public IScreensaverControlOptions,
                                  public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0x85B1A80C, 0x4C7E, 0x4B90, {0x83, 0x24, 0xAB, 0xB9, 0xE6, 0x78, 0xD1, 0xA4});
    static constexpr uint32_t bodyVersion = 256;

    static constexpr int32_t minCpuLoadBound = 0;
    static constexpr int32_t maxCpuLoadBound = 100;
    static constexpr int32_t minResetPeriodBound = 0; // seconds
    static constexpr int32_t maxResetPeriodBound = 3600;

    ScreensaverControlOptions() = default;
    // Reads a body as write() stores it; a short body throws InputStream::CouldNotRead.
    explicit ScreensaverControlOptions(Persistence::InputStream& stream);

    int32_t maxCpuLoad() const override { return maxCpuLoad_; }
    void setMaxCpuLoad(int32_t percent) override { maxCpuLoad_ = percent; }
    int32_t interruptMode() const override { return interruptMode_; }
    void setInterruptMode(int32_t mode) override { interruptMode_ = mode; }

    bool resetEnabled() const { return resetEnabled_; }
    void setResetEnabled(bool enabled) { resetEnabled_ = enabled; }
    // Seconds between picture resets.
    int32_t resetPeriod() const { return resetPeriod_; }
    void setResetPeriod(int32_t seconds) { resetPeriod_ = seconds; }

    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

private:
    int32_t maxCpuLoad_ = 100;
    int32_t resetPeriod_ = 15;
    bool resetEnabled_ = true;
    int32_t interruptMode_ = interruptOnAnyInput;
};
