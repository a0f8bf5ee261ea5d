#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelRect.h"
#include "platform/ScreenMemory.h"
#include "rain/DirtyRect.h"
#include "rain/MapPixel.h"

#include <cstdint>
#include <vector>

class SurfaceTemplate;

enum class StampMode : int32_t { Overwrite = 0, Blend = 1 };

// The drop map: all the water on the glass, one MapPixel per picture pixel.
class Surface {
public:
    Surface(int32_t width, int32_t height);
    virtual ~Surface() = default;

    // Dries the whole glass: drops and trails disappear.
    void clear();
    // Water height at (x, y); the caller keeps (x, y) inside the map.
    uint8_t heightAt(int32_t x, int32_t y) const {
        return pixels_[static_cast<std::size_t>(y * width_ + x)].height;
    }
    // Puts the template centred at (x, y) into the map, clipped to it. Returns the covered part,
    // or all zero when the template lies wholly outside.
    DirtyRect stamp(int32_t x, int32_t y, const SurfaceTemplate& pattern, StampMode mode);
    // Re-renders the part of rect that lies on the map.
    void renderDirty(const DirtyRect& rect, const PixelBufferDesc& destination,
                     const PixelBufferDesc& background) const;
    // The same for a rectangle whose right and bottom lie past it.
    void renderArea(const Pixels::PixelRect& area, const PixelBufferDesc& destination,
                    const PixelBufferDesc& background) const;

    // Asks the caches for the map pixels of the area, so that the work before it hides the wait.
    void prefetchMap(const Pixels::PixelRect& area) const;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    const MapPixel& pixel(int32_t x, int32_t y) const {
        return pixels_[static_cast<std::size_t>(y * width_ + x)];
    }
    MapPixel& pixel(int32_t x, int32_t y) {
        return pixels_[static_cast<std::size_t>(y * width_ + x)];
    }

protected:
    virtual void renderRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                            const MapPixel* mapPixel, const PixelBufferDesc& destination,
                            const PixelBufferDesc& background) const;

private:
    // The part of the area that lies on the map; empty when none does.
    Pixels::PixelRect onMap(const Pixels::PixelRect& area) const;

    int32_t width_;
    int32_t height_;
    std::vector<MapPixel, Platform::ScreenAllocator<MapPixel>> pixels_;
};
