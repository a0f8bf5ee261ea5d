#pragma once

#include "display/PixelFormat.h"

#include <array>
#include <cstdint>
#include <cstring>

// Reads and writes the red, green and blue of a pixel as 8-bit levels, whatever the surface's
// channel masks. Narrow channels widen by repeating their top bits (so 5-bit 31 reads as 255)
// and narrow again by dropping the low bits, so a level read and written back is unchanged.
class PixelChannels {
public:
    struct Rgb {
        uint32_t red;
        uint32_t green;
        uint32_t blue;
    };

    explicit PixelChannels(const Pixels::PixelFormat& format)
        : red_(channelOf(format.redMask)), green_(channelOf(format.greenMask)),
          blue_(channelOf(format.blueMask)),
          otherBits_(~(format.redMask | format.greenMask | format.blueMask)),
          bytesPerPixel_(format.bytesPerPixel()) {}

    Rgb decode(uint32_t pixel) const {
        return {red_.level(pixel), green_.level(pixel), blue_.level(pixel)};
    }
    // Bits outside the three channels keep their value from keep.
    uint32_t encode(const Rgb& rgb, uint32_t keep) const {
        return (keep & otherBits_) | red_.bits(rgb.red) | green_.bits(rgb.green) |
               blue_.bits(rgb.blue);
    }

    uint32_t read(const uint8_t* at) const {
        uint32_t pixel = 0;
        std::memcpy(&pixel, at, static_cast<std::size_t>(bytesPerPixel_));
        return pixel;
    }
    void write(uint8_t* at, uint32_t pixel) const {
        std::memcpy(at, &pixel, static_cast<std::size_t>(bytesPerPixel_));
    }
    int32_t bytesPerPixel() const { return bytesPerPixel_; }

private:
    struct Channel {
        uint32_t shift = 0;
        uint32_t width = 0;
        uint32_t max = 0;
        // Levels of the narrow channel values; unused for channels of 8 bits or more.
        std::array<uint8_t, 256> widened{};

        uint32_t level(uint32_t pixel) const {
            const uint32_t value = (pixel >> shift) & max;
            return width >= 8 ? value >> (width - 8) : widened[value];
        }
        uint32_t bits(uint32_t level) const {
            const uint32_t value = width >= 8 ? level << (width - 8) : level >> (8 - width);
            return (value & max) << shift;
        }
    };

    static Channel channelOf(uint32_t mask) {
        Channel channel;
        if (mask == 0) {
            return channel;
        }
        channel.shift = static_cast<uint32_t>(__builtin_ctz(mask));
        channel.width = static_cast<uint32_t>(__builtin_popcount(mask));
        channel.max = mask >> channel.shift;
        if (channel.width < 8) {
            for (uint32_t value = 0; value <= channel.max; ++value) {
                uint32_t repeated = 0;
                uint32_t filled = 0;
                for (; filled < 8; filled += channel.width) {
                    repeated = (repeated << channel.width) | value;
                }
                channel.widened[value] = static_cast<uint8_t>(repeated >> (filled - 8));
            }
        }
        return channel;
    }

    Channel red_;
    Channel green_;
    Channel blue_;
    uint32_t otherBits_;
    int32_t bytesPerPixel_;
};
