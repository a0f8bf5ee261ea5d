#pragma once

#include "display/PixelRect.h"

#include <cstdint>

// A rectangle in the lightning's own layout: minimum x, maximum y (exclusive), maximum x
// (exclusive), minimum y. The scene passes {0, height, width, 0} for a whole surface.
struct AreaRect {
    int32_t minX = 0;
    int32_t maxY = 0;
    int32_t maxX = 0;
    int32_t minY = 0;

    bool isEmpty() const { return maxX <= minX || maxY <= minY; }
    friend bool operator==(const AreaRect&, const AreaRect&) = default;
};

// The overlap of two rectangles; all zeros when they do not overlap.
inline AreaRect intersect(const AreaRect& a, const AreaRect& b) {
    const AreaRect overlap{a.minX > b.minX ? a.minX : b.minX, a.maxY < b.maxY ? a.maxY : b.maxY,
                           a.maxX < b.maxX ? a.maxX : b.maxX, a.minY > b.minY ? a.minY : b.minY};
    return overlap.isEmpty() ? AreaRect{} : overlap;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline AreaRect unite(const AreaRect& a, const AreaRect& b) {
    if (a.isEmpty()) {
        return b;
    }
    if (b.isEmpty()) {
        return a;
    }
    return {a.minX < b.minX ? a.minX : b.minX, a.maxY > b.maxY ? a.maxY : b.maxY,
            a.maxX > b.maxX ? a.maxX : b.maxX, a.minY < b.minY ? a.minY : b.minY};
}

// The rectangle as a frame's changed area.
inline Pixels::PixelRect areaOf(const AreaRect& rect) {
    return rect.isEmpty() ? Pixels::PixelRect{}
                          : Pixels::PixelRect{rect.minX, rect.minY, rect.maxX, rect.maxY};
}
