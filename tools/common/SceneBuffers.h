#pragma once

#include "display/PixelBufferDesc.h"

#include <cstdint>
#include <vector>

// A picture in 24-bit RGB, top-down, tightly packed.
struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;
};

// Channel layout of a pixel format; all zero for 8 bits per pixel, which is palettised with a
// fixed 3-3-2 palette.
struct ChannelMasks {
    uint32_t red;
    uint32_t green;
    uint32_t blue;
};

ChannelMasks masksFor(int32_t bitsPerPixel);

// A picture in one of the renderer's pixel formats, with its own storage.
class PixelBuffer {
public:
    PixelBuffer(int32_t width, int32_t height, int32_t bitsPerPixel);

    const PixelBufferDesc& desc() const { return desc_; }
    void copyFrom(const PixelBuffer& other);
    void fillFrom(const RgbImage& image); // same size
    RgbImage toRgb() const;

private:
    std::vector<uint8_t> bytes_;
    PixelBufferDesc desc_;
};

// Scales an image to the given size, averaging the source pixels each target pixel covers.
RgbImage scaleTo(const RgbImage& image, int32_t width, int32_t height);

// A soft diagonal gradient with a few bright bands, to see refraction without a picture.
RgbImage gradientImage(int32_t width, int32_t height);
