#pragma once

#include "display/PixelRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pixels {

// The edges of a list of rectangles, kept beside it as four columns of 16-bit numbers, so that
// eight rectangles at a time can be tested for lying within a box. A frame brings hundreds of
// rectangles, and each new one is tested against all that came before it.
class RectColumns {
public:
    static constexpr std::size_t blockSize = 8;

    // Coordinates must lie in 0..32767.
    void clear();
    void append(const PixelRect& rect);
    void replace(std::size_t index, const PixelRect& rect);
    // The last rectangle takes the place of the one removed, as in the list beside it.
    void removeSwappingLast(std::size_t index);

    std::size_t size() const { return size_; }
    // Bit i set: rectangle first + i reaches into the box, each edge counted as inside. Bits
    // past the end are clear.
    uint32_t reachingInto(std::size_t first, const PixelRect& box) const;

private:
    void put(std::size_t index, const PixelRect& rect);

    std::size_t size_ = 0;
    std::vector<int16_t> lefts_;
    std::vector<int16_t> tops_;
    std::vector<int16_t> rights_;
    std::vector<int16_t> bottoms_;
};

} // namespace Pixels
