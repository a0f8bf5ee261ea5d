#include "rain/Surface.h"

#include "rain/PrefetchSpan.h"
#include "rain/Renderer.h"
#include "rain/SurfaceTemplate.h"

#include <algorithm>

Surface::Surface(int32_t width, int32_t height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
              MapPixel{0, 0, 0, 0}) {}

void Surface::clear() {
    std::fill(pixels_.begin(), pixels_.end(), MapPixel{0, 0, 0, 0});
}

DirtyRect Surface::stamp(int32_t x, int32_t y, const SurfaceTemplate& pattern, StampMode mode) {
    const DirtyRect placed = pattern.placement(x, y);
    const int32_t left = std::max(placed.left, 0);
    const int32_t top = std::max(placed.top, 0);
    const int32_t right = std::min(placed.right, width_ - 1);
    const int32_t bottom = std::min(placed.bottom, height_ - 1);
    if (right < left || bottom < top) {
        return DirtyRect{0, 0, 0, 0};
    }
    const int32_t columns = right - left + 1;
    const int32_t rows = bottom - top + 1;
    const int32_t tx = left - placed.left;
    const int32_t ty = top - placed.top;
    MapPixel* dest = &pixel(left, top);
    if (mode == StampMode::Overwrite) {
        pattern.copyTo(tx, ty, columns, rows, dest, width_);
    } else {
        pattern.blendTo(tx, ty, columns, rows, dest, width_);
    }
    return DirtyRect{left, bottom, right, top};
}

void Surface::renderDirty(const DirtyRect& rect, const PixelBufferDesc& destination,
                          const PixelBufferDesc& background) const {
    renderArea(areaOf(rect), destination, background);
}

void Surface::renderArea(const Pixels::PixelRect& area, const PixelBufferDesc& destination,
                         const PixelBufferDesc& background) const {
    const Pixels::PixelRect inside = onMap(area);
    if (inside.isEmpty()) {
        return;
    }
    renderRect(inside.left, inside.top, inside.right - 1, inside.bottom - 1,
               &pixel(inside.left, inside.top), destination, background);
}

Pixels::PixelRect Surface::onMap(const Pixels::PixelRect& area) const {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width_),
            std::min(area.bottom, height_)};
}

void Surface::prefetchMap(const Pixels::PixelRect& area) const {
    const Pixels::PixelRect inside = onMap(area);
    if (inside.isEmpty()) {
        return;
    }
    const std::ptrdiff_t rowBytes = inside.width() * static_cast<std::ptrdiff_t>(sizeof(MapPixel));
    for (int32_t y = inside.top; y < inside.bottom; ++y) {
        prefetchSpan(reinterpret_cast<const uint8_t*>(&pixel(inside.left, y)), rowBytes);
    }
}

void Surface::renderRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
                         const PixelBufferDesc& destination,
                         const PixelBufferDesc& background) const {
    renderWetPixels(x0, y0, x1, y1, mapPixel, width_, height_, destination, background);
}
