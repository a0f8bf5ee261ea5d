#pragma once

#include "display/PixelRect.h"

#include <cstdint>
#include <limits>

// A changed part of the drop map. All four bounds are inclusive; the field order is the one the
// stamping code has always produced.
struct DirtyRect {
    int32_t left;
    int32_t bottom;
    int32_t right;
    int32_t top;

    friend bool operator==(const DirtyRect&, const DirtyRect&) = default;
};

// The rectangle as a frame's changed area, right and bottom past the last column and row.
inline Pixels::PixelRect areaOf(const DirtyRect& rect) {
    constexpr int32_t largest = std::numeric_limits<int32_t>::max();
    return {rect.left, rect.top, rect.right == largest ? largest : rect.right + 1,
            rect.bottom == largest ? largest : rect.bottom + 1};
}
