#pragma once

#include "display/PixelSurface.h"
#include "lightning/AreaRect.h"

#include <memory>

// Keeps a copy of a rectangle of a surface so that what is painted over it can be undone. The
// copy lives at the same place in a store the size of the target, made on first use and then
// reused, so that saving a new rectangle every frame allocates nothing.
class SurfaceBackup {
public:
    explicit SurfaceBackup(Pixels::PixelSurface& target);

    // Replaces the saved copy with the part of area that lies on the target.
    void save(const AreaRect& area);
    // Copies the saved rectangle back onto the target.
    void restore();
    // Forgets the saved copy; restore() then does nothing.
    void clear() { area_ = {}; }
    // What restore() puts back: clipped to the target, empty when nothing is saved.
    const AreaRect& area() const { return area_; }

private:
    Pixels::PixelSurface& target_;
    std::unique_ptr<Pixels::PixelSurface> store_;
    AreaRect area_;
};
