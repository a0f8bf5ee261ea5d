#pragma once

#include "display/PixelFormat.h"

#include <cstdint>

namespace Pixels {

// A rectangle of pixels: left and top inclusive, right and bottom exclusive.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Pixels in memory that the scaling code reads or writes; not owned.
struct PixelView {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;
    PixelFormat format;
};

} // namespace Pixels
