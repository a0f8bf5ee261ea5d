#pragma once

#include <cstdint>
#include <string>

// One screen mode as the settings page lists it.
class IDisplayModeDescription {
public:
    virtual ~IDisplayModeDescription() = default;
    virtual int32_t bitsPerPixel() const = 0;
    virtual int32_t width() const = 0;
    virtual int32_t height() const = 0;
    // 0 is the display's default rate.
    virtual int32_t refreshRate() const = 0;
    // The caption of the mode, e.g. "800x600 High Color (16 bit, 85 Hz)".
    virtual std::string text() const = 0;
};
