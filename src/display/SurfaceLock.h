#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelSurface.h"
#include "display/PixelView.h"

namespace Pixels {

// Keeps a surface locked while its pixels are drawn, and unlocks it on every way out, so that a
// failed draw leaves the surface usable.
class SurfaceLock {
public:
    explicit SurfaceLock(PixelSurface& surface) : surface_(surface), pixels_(surface.lock()) {}
    ~SurfaceLock() { surface_.unlock(); }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    const PixelBufferDesc& pixels() const { return pixels_; }
    PixelView view() const {
        return {pixels_.pixels, pixels_.width, pixels_.height, pixels_.pitch, surface_.format()};
    }

private:
    PixelSurface& surface_;
    PixelBufferDesc pixels_;
};

} // namespace Pixels
