#pragma once

#include <cstdint>

namespace Pixels {

// A rectangle of pixels: left and top inclusive, right and bottom exclusive. The one rectangle
// for what a frame changed, from the drops and the lightning to the screen, and for the
// monitors' parts of the screen; the drop map's and the lightning's own records are turned into
// it where they leave their units.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    static PixelRect ofSize(int32_t left, int32_t top, int32_t width, int32_t height) {
        return {left, top, left + width, top + height};
    }

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(const PixelRect& other) const {
        return other.left >= left && other.top >= top && other.right <= right &&
               other.bottom <= bottom;
    }
    bool overlaps(const PixelRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const PixelRect&) const = default;
};

} // namespace Pixels
