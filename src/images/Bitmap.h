#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Graphics {

// A decoded picture: 24 bits per pixel in the byte order blue, green, red, rows from the top
// down, each row padded with zero bytes to a multiple of 4. Blue first is what a 24-bit
// little-endian 0xRRGGBB pixel looks like in memory, so the picture can be scaled straight onto
// the saver's 24- and 32-bit surfaces without swapping channels again.
class Bitmap {
public:
    // Larger pictures are refused: a damaged header must not make us allocate gigabytes.
    static constexpr std::size_t maxByteCount = std::size_t{1} << 30;

    // The limit in force: maxByteCount, unless lowered. The fuzzers lower it, as a picture of a
    // gigabyte made up from a few damaged bytes reaches nothing a smaller one does not, at a
    // hundred times the cost.
    static std::size_t largestByteCount();
    static void setLargestByteCount(std::size_t count);

    // All pixels black. Throws Graphics::Error for an empty or oversized picture.
    Bitmap(int32_t width, int32_t height);

    // Bytes per row: 3 x width rounded up to a multiple of 4 (for the widths a Bitmap accepts).
    static int32_t pitchFor(int32_t width);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t pitch() const { return pitch_; }

    uint8_t* row(int32_t y) { return bytes_.data() + rowOffset(y); }
    const uint8_t* row(int32_t y) const { return bytes_.data() + rowOffset(y); }
    uint8_t* pixels() { return bytes_.data(); }
    const uint8_t* pixels() const { return bytes_.data(); }

private:
    std::size_t rowOffset(int32_t y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch_);
    }

    int32_t width_;
    int32_t height_;
    int32_t pitch_;
    std::vector<uint8_t> bytes_;
};

} // namespace Graphics
