#pragma once

#include <cstdint>

// How the running saver behaves towards the rest of the machine: its share of processor time
// and which input ends it.
class IScreensaverControlOptions {
public:
    // Values of interruptMode().
    static constexpr int32_t interruptOnAnyInput = 0;
    static constexpr int32_t interruptOnAnyKey = 1; // the mouse is ignored
    static constexpr int32_t interruptOnEscapeOnly = 2;

    virtual ~IScreensaverControlOptions() = default;
    // Highest share of processor time the saver may take, percent.
    virtual int32_t maxCpuLoad() const = 0;
    virtual void setMaxCpuLoad(int32_t percent) = 0;
    virtual int32_t interruptMode() const = 0;
    virtual void setInterruptMode(int32_t mode) = 0;
};
