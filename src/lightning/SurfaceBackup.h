#pragma once

#include "display/PixelSurface.h"
#include "lightning/AreaRect.h"

#include <memory>
#include <span>
#include <vector>

// Keeps a copy of rectangles of a surface so that what is painted over them can be undone. The
// copy lives at the same place in a store the size of the target, made on first use and then
// reused, so that saving new rectangles every frame allocates nothing.
class SurfaceBackup {
public:
    explicit SurfaceBackup(Pixels::PixelSurface& target);

    // Replaces the saved copy with the part of area that lies on the target.
    void save(const AreaRect& area);
    // The same for several rectangles, which must not overlap.
    void save(std::span<const AreaRect> areas);
    // Copies the saved rectangles back onto the target.
    void restore();
    // Forgets the saved copy; restore() then does nothing.
    void clear();
    // What restore() puts back: clipped to the target, none when nothing is saved.
    std::span<const AreaRect> areas() const { return areas_; }
    // The smallest rectangle holding them all; empty when nothing is saved.
    AreaRect area() const;

private:
    Pixels::PixelSurface& target_;
    std::unique_ptr<Pixels::PixelSurface> store_;
    std::vector<AreaRect> areas_;
};
