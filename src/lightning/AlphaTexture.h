#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

// A white texture whose texels carry only an alpha value, rows from the top. Its sides are
// powers of two, so texture coordinates wrap with a mask.
class AlphaTexture {
public:
    AlphaTexture(int32_t width, int32_t height, std::vector<uint8_t> alpha)
        : width_(width), height_(height), alpha_(std::move(alpha)) {
        if (!isPowerOfTwo(width) || !isPowerOfTwo(height) ||
            alpha_.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
            throw std::invalid_argument("a texture needs sides that are powers of two and one "
                                        "value for every texel");
        }
    }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // Any x and y; they wrap around the texture.
    uint8_t at(int64_t x, int64_t y) const {
        return alpha_[static_cast<std::size_t>((y & (height_ - 1)) * width_ + (x & (width_ - 1)))];
    }

private:
    static bool isPowerOfTwo(int32_t side) { return side > 0 && (side & (side - 1)) == 0; }

    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> alpha_;
};
