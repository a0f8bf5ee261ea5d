#include "lightning/BrightPixelMarker.h"

#include "lightning/PixelChannels.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Pixels::PixelFormat;

// The luma test as plainly as it can be written: each channel widened to 8 bits by repeating
// its top bits, the weighted sum divided by 1000.
uint32_t levelOf(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = __builtin_ctz(mask);
    const int width = __builtin_popcount(mask);
    const uint32_t value = (pixel & mask) >> shift;
    if (width >= 8) {
        return value >> (width - 8);
    }
    uint32_t level = 0;
    for (int filled = 0; filled < 8; filled += width) {
        level = level << width | value;
    }
    return level >> ((8 + width - 1) / width * width - 8);
}

bool plainlyBright(uint32_t pixel, const PixelFormat& format, uint32_t threshold) {
    const uint32_t luma =
        (levelOf(pixel, format.redMask) * 299 + levelOf(pixel, format.greenMask) * 587 +
         levelOf(pixel, format.blueMask) * 114) /
        1000;
    return luma > threshold;
}

TEST(BrightPixelMarkerTest, EveryLayoutMarksThePixelsThePlainTestFindsBright) {
    const std::vector<PixelFormat> layouts = {
        PixelFormat::xrgb8888(),
        {32, 0x000000FF, 0x0000FF00, 0x00FF0000},
        {32, 0xFF000000, 0x00FF0000, 0x0000FF00},
        {32, 0x3FF00000, 0x000FFC00, 0x000003FF}, // ten bits a channel
        {32, 0x00000FF0, 0x000FF000, 0x0FF00000}, // bytes that straddle byte boundaries
        PixelFormat::rgb888(),
        {24, 0x000000FF, 0x0000FF00, 0x00FF0000},
        PixelFormat::rgb565(),
        {16, 0x7C00, 0x03E0, 0x001F},
    };
    // Wider than two words of bits and no multiple of four, so every tail is met.
    const int32_t width = 64 * 2 + 7;
    const int32_t height = 3;
    const int32_t wordsPerRow = (width + 63) / 64;
    std::mt19937 random(7);
    for (const PixelFormat& format : layouts) {
        const int32_t bytes = format.bytesPerPixel();
        const int32_t pitch = (width * bytes + 3) / 4 * 4;
        std::vector<uint8_t> pixels(static_cast<std::size_t>(pitch * height));
        for (uint8_t& byte : pixels) {
            byte = static_cast<uint8_t>(random());
        }
        // Row 0 is grey, whose weighted sums are whole thousands: every threshold's edge.
        const PixelChannels channels(format);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t level = static_cast<uint32_t>(x * 2) & 0xFFu;
            channels.write(&pixels[static_cast<std::size_t>(x * bytes)],
                           channels.encode({level, level, level}, 0));
        }
        const PixelBufferDesc desc{format.bitsPerPixel, pitch, width, height, pixels.data()};
        for (const uint32_t threshold : {0u, 37u, 128u, 254u, 255u}) {
            std::vector<uint64_t> bits(static_cast<std::size_t>(wordsPerRow * height), ~0ull);
            markBrightPixels(desc, format, threshold, bits.data(), wordsPerRow);
            for (int32_t y = 0; y < height; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    uint32_t pixel = 0;
                    std::memcpy(&pixel, &pixels[static_cast<std::size_t>(y * pitch + x * bytes)],
                                static_cast<std::size_t>(bytes));
                    const uint64_t word = bits[static_cast<std::size_t>(y * wordsPerRow + x / 64)];
                    ASSERT_EQ((word >> (x % 64)) & 1u, plainlyBright(pixel, format, threshold))
                        << format.bitsPerPixel << " bits, red mask " << std::hex << format.redMask
                        << std::dec << ", threshold " << threshold << ", pixel " << x << "," << y;
                }
                // Bits past the row's last pixel are left clear.
                const uint64_t last = bits[static_cast<std::size_t>(y * wordsPerRow + 2)];
                ASSERT_EQ(last >> (width % 64), 0u);
            }
        }
    }
}

} // namespace
