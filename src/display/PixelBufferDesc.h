#pragma once

#include <cstdint>

// A locked picture the renderer reads from or writes to.
struct PixelBufferDesc {
    int32_t bitsPerPixel; // 8, 16, 24 or 32
    int32_t pitch;        // bytes from one row to the next
    int32_t width;
    int32_t height;
    uint8_t* pixels; // first byte of row 0
};
