#pragma once

#include <cstdint>

namespace Pixels {

// How a pixel is laid out: its size in bits and where red, green and blue sit in it (a pixel is
// read as a little-endian number of bitsPerPixel bits). 8-bit formats are palette indices and
// have no masks.
struct PixelFormat {
    int32_t bitsPerPixel = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;

    int32_t bytesPerPixel() const { return bitsPerPixel / 8; }
    bool operator==(const PixelFormat&) const = default;

    static constexpr PixelFormat xrgb8888() { return {32, 0x00FF0000, 0x0000FF00, 0x000000FF}; }
    // Bytes blue, green, red in memory.
    static constexpr PixelFormat rgb888() { return {24, 0x00FF0000, 0x0000FF00, 0x000000FF}; }
    static constexpr PixelFormat rgb565() { return {16, 0xF800, 0x07E0, 0x001F}; }
    static constexpr PixelFormat indexed8() { return {8, 0, 0, 0}; }

    // The format our surfaces use for a display of the given depth: 16 is 5-6-5, 24 is three
    // bytes, anything else (32, and 8 which we never draw into) is four bytes.
    static constexpr PixelFormat forSurfaceDepth(int32_t bitsPerPixel) {
        switch (bitsPerPixel) {
        case 16:
            return rgb565();
        case 24:
            return rgb888();
        default:
            return xrgb8888();
        }
    }
};

} // namespace Pixels
