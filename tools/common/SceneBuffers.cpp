#include "common/SceneBuffers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int32_t paddedPitch(int32_t width, int32_t bitsPerPixel) {
    return (width * bitsPerPixel / 8 + 3) & ~3;
}

uint32_t encode(int32_t bitsPerPixel, uint32_t r, uint32_t g, uint32_t b) {
    switch (bitsPerPixel) {
    case 8:
        return (r >> 5) << 5 | (g >> 5) << 2 | b >> 6;
    case 16:
        return (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
    default:
        return r << 16 | g << 8 | b;
    }
}

void decode(int32_t bitsPerPixel, uint32_t value, uint8_t* rgb) {
    const auto expand = [](uint32_t level, uint32_t max) {
        return static_cast<uint8_t>(level * 255 / max);
    };
    switch (bitsPerPixel) {
    case 8:
        rgb[0] = expand(value >> 5 & 7, 7);
        rgb[1] = expand(value >> 2 & 7, 7);
        rgb[2] = expand(value & 3, 3);
        break;
    case 16:
        rgb[0] = expand(value >> 11 & 31, 31);
        rgb[1] = expand(value >> 5 & 63, 63);
        rgb[2] = expand(value & 31, 31);
        break;
    default:
        rgb[0] = static_cast<uint8_t>(value >> 16);
        rgb[1] = static_cast<uint8_t>(value >> 8);
        rgb[2] = static_cast<uint8_t>(value);
        break;
    }
}

} // namespace

ChannelMasks masksFor(int32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 8:
        return {0, 0, 0};
    case 16:
        return {0xF800, 0x07E0, 0x001F};
    default:
        return {0xFF0000, 0x00FF00, 0x0000FF};
    }
}

PixelBuffer::PixelBuffer(int32_t width, int32_t height, int32_t bitsPerPixel)
    : bytes_(static_cast<std::size_t>(paddedPitch(width, bitsPerPixel)) *
                 static_cast<std::size_t>(height),
             0),
      desc_{bitsPerPixel, paddedPitch(width, bitsPerPixel), width, height, bytes_.data()} {}

void PixelBuffer::copyFrom(const PixelBuffer& other) {
    std::memcpy(bytes_.data(), other.bytes_.data(), std::min(bytes_.size(), other.bytes_.size()));
}

void PixelBuffer::fillFrom(const RgbImage& image) {
    const int32_t bytesPerPixel = desc_.bitsPerPixel / 8;
    for (int32_t y = 0; y < desc_.height; ++y) {
        for (int32_t x = 0; x < desc_.width; ++x) {
            const uint8_t* rgb = &image.rgb[static_cast<std::size_t>((y * image.width + x) * 3)];
            const uint32_t value = encode(desc_.bitsPerPixel, rgb[0], rgb[1], rgb[2]);
            // Little-endian: the low bytes of the value are the pixel's bytes.
            std::memcpy(&bytes_[static_cast<std::size_t>(y * desc_.pitch + x * bytesPerPixel)],
                        &value, static_cast<std::size_t>(bytesPerPixel));
        }
    }
}

RgbImage PixelBuffer::toRgb() const {
    RgbImage image{desc_.width, desc_.height,
                   std::vector<uint8_t>(static_cast<std::size_t>(desc_.width * desc_.height * 3))};
    const int32_t bytesPerPixel = desc_.bitsPerPixel / 8;
    for (int32_t y = 0; y < desc_.height; ++y) {
        for (int32_t x = 0; x < desc_.width; ++x) {
            uint32_t value = 0;
            std::memcpy(&value,
                        &bytes_[static_cast<std::size_t>(y * desc_.pitch + x * bytesPerPixel)],
                        static_cast<std::size_t>(bytesPerPixel));
            decode(desc_.bitsPerPixel, value,
                   &image.rgb[static_cast<std::size_t>((y * desc_.width + x) * 3)]);
        }
    }
    return image;
}

RgbImage scaleTo(const RgbImage& image, int32_t width, int32_t height) {
    RgbImage scaled{width, height,
                    std::vector<uint8_t>(static_cast<std::size_t>(width * height * 3))};
    for (int32_t ty = 0; ty < height; ++ty) {
        const int32_t y0 = static_cast<int32_t>(int64_t{ty} * image.height / height);
        const int32_t y1 =
            std::max(y0 + 1, static_cast<int32_t>(int64_t{ty + 1} * image.height / height));
        for (int32_t tx = 0; tx < width; ++tx) {
            const int32_t x0 = static_cast<int32_t>(int64_t{tx} * image.width / width);
            const int32_t x1 =
                std::max(x0 + 1, static_cast<int32_t>(int64_t{tx + 1} * image.width / width));
            uint32_t sums[3] = {0, 0, 0};
            for (int32_t sy = y0; sy < y1; ++sy) {
                for (int32_t sx = x0; sx < x1; ++sx) {
                    const uint8_t* rgb =
                        &image.rgb[static_cast<std::size_t>((sy * image.width + sx) * 3)];
                    for (int c = 0; c < 3; ++c) {
                        sums[c] += rgb[c];
                    }
                }
            }
            const auto count = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
            for (int c = 0; c < 3; ++c) {
                scaled.rgb[static_cast<std::size_t>((ty * width + tx) * 3 + c)] =
                    static_cast<uint8_t>(sums[c] / count);
            }
        }
    }
    return scaled;
}

RgbImage gradientImage(int32_t width, int32_t height) {
    RgbImage image{width, height,
                   std::vector<uint8_t>(static_cast<std::size_t>(width * height * 3))};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            const double band = 0.5 + 0.5 * std::sin((u * 3 + v * 5) * 6.2831853);
            uint8_t* rgb = &image.rgb[static_cast<std::size_t>((y * width + x) * 3)];
            rgb[0] = static_cast<uint8_t>(40 + 120 * u + 60 * band * (1 - v));
            rgb[1] = static_cast<uint8_t>(60 + 90 * (1 - v) + 40 * band);
            rgb[2] = static_cast<uint8_t>(110 + 100 * v + 30 * band * u);
        }
    }
    return image;
}
