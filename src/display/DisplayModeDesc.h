#pragma once

#include "display/PixelFormat.h"

#include <cstdint>

namespace Pixels {

// A display mode as the device reports or sets it.
struct DisplayModeDesc {
    int32_t width = 0;
    int32_t height = 0;
    PixelFormat format;
    // 0 is the display's default rate.
    int32_t refreshRate = 0;

    int32_t bitsPerPixel() const { return format.bitsPerPixel; }
};

} // namespace Pixels
