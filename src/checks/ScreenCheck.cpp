#include "checks/ScreenCheck.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

uint8_t channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const uint32_t maximum = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / maximum);
}

std::vector<uint8_t> rgbRows(const PixelBufferDesc& pixels, const Pixels::PixelFormat& format) {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(pixels.width) * pixels.height * 3);
    const int32_t bytes = format.bytesPerPixel();
    for (int32_t y = 0; y < pixels.height; ++y) {
        const uint8_t* row = pixels.pixels + static_cast<std::ptrdiff_t>(y) * pixels.pitch;
        for (int32_t x = 0; x < pixels.width; ++x) {
            uint32_t pixel = 0;
            std::memcpy(&pixel, row + x * bytes, static_cast<std::size_t>(bytes));
            rgb.push_back(channel(pixel, format.redMask));
            rgb.push_back(channel(pixel, format.greenMask));
            rgb.push_back(channel(pixel, format.blueMask));
        }
    }
    return rgb;
}

} // namespace

ScreenCheck::ScreenCheck() {
    const char* frames = std::getenv("PLUVO_CHECK_FRAMES");
    const char* output = std::getenv("PLUVO_CHECK_OUTPUT");
    if (frames != nullptr && output != nullptr) {
        frames_ = static_cast<uint32_t>(std::strtoul(frames, nullptr, 10));
        output_ = output;
    }
}

bool ScreenCheck::isDue(uint32_t presentedFrames) const {
    return !output_.empty() && !done_ && presentedFrames >= frames_;
}

void ScreenCheck::capture(Pixels::PixelSurface& surface) {
    done_ = true;
    const PixelBufferDesc pixels = surface.lock();
    const std::vector<uint8_t> rgb = rgbRows(pixels, surface.format());
    surface.unlock();
    std::ofstream file(output_, std::ios::binary);
    file << "P6\n" << pixels.width << ' ' << pixels.height << "\n255\n";
    file.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + output_);
    }
}
