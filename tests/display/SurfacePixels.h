#pragma once

#include "display/PixelSurface.h"

#include <cstring>
#include <functional>
#include <vector>

// Reads and writes whole pixels of a surface for the tests, through its lock.
inline uint32_t pixelAt(Pixels::PixelSurface& surface, int32_t x, int32_t y) {
    const PixelBufferDesc desc = surface.lock();
    uint32_t value = 0;
    std::memcpy(&value, desc.pixels + y * desc.pitch + x * surface.format().bytesPerPixel(),
                static_cast<std::size_t>(surface.format().bytesPerPixel()));
    surface.unlock();
    return value;
}

inline void fillSurface(Pixels::PixelSurface& surface,
                        const std::function<uint32_t(int32_t, int32_t)>& pixel) {
    const PixelBufferDesc desc = surface.lock();
    const int32_t bytes = surface.format().bytesPerPixel();
    for (int32_t y = 0; y < desc.height; ++y) {
        for (int32_t x = 0; x < desc.width; ++x) {
            const uint32_t value = pixel(x, y);
            std::memcpy(desc.pixels + y * desc.pitch + x * bytes, &value,
                        static_cast<std::size_t>(bytes));
        }
    }
    surface.unlock();
}

// Every pixel, row by row.
inline std::vector<uint32_t> allPixels(Pixels::PixelSurface& surface) {
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < surface.height(); ++y) {
        for (int32_t x = 0; x < surface.width(); ++x) {
            pixels.push_back(pixelAt(surface, x, y));
        }
    }
    return pixels;
}

// Every byte of the rows, padding included, for comparing whole pictures.
inline std::vector<uint8_t> allBytes(const Pixels::PixelSurface& surface) {
    auto& unlocked = const_cast<Pixels::PixelSurface&>(surface);
    const PixelBufferDesc desc = unlocked.lock();
    std::vector<uint8_t> bytes(desc.pixels, desc.pixels + desc.pitch * desc.height);
    unlocked.unlock();
    return bytes;
}
