#pragma once

#include <cstdint>
#include <functional>

// The display's list of screen modes, as the display-mode model needs it: the platform's display
// unless another device is installed with setCurrentDisplayDevice(), as tests install fakes.
class IDisplayDevice {
public:
    struct Mode {
        // The pixel format's bit count: 32 for four bytes a pixel, even when 8 of them are unused.
        int32_t bitsPerPixel = 0;
        int32_t width = 0;
        int32_t height = 0;
        // 0 is the display's default rate.
        int32_t refreshRate = 0;
    };

    enum class RefreshRates {
        // Modes that differ only in their refresh rate are reported once, with rate 0.
        Merged,
        // Every refresh rate of a size and depth is reported as a mode of its own.
        Listed,
    };

    using ModeVisitor = std::function<void(const Mode&)>;

    virtual ~IDisplayDevice() = default;
    // Reports every mode the display offers to visit, in the device's own order.
    virtual void enumerateModes(RefreshRates rates, const ModeVisitor& visit) = 0;
};

// The primary output's display, where a chosen mode is set: the platform's back end makes it.
IDisplayDevice& platformDisplayDevice();
// The device the display-mode models ask for modes: the one installed, else the display the
// full-screen saver would use, in every run mode.
IDisplayDevice& currentDisplayDevice();
// The device is not owned: whoever installs it keeps it alive until it installs another one or
// nullptr, which gives the platform's display back.
void setCurrentDisplayDevice(IDisplayDevice* device);
