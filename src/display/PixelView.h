#pragma once

#include "display/PixelFormat.h"
#include "display/PixelRect.h"

#include <cstdint>

namespace Pixels {

// Pixels in memory that the scaling code reads or writes; not owned.
struct PixelView {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;
    PixelFormat format;
};

} // namespace Pixels
