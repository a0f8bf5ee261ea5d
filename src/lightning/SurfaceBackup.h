#pragma once

#include "display/PixelSurface.h"
#include "lightning/AreaRect.h"

#include <memory>
#include <span>
#include <vector>

// Keeps a copy of rectangles of a surface so that what is painted over them can be undone. The
// copy lives at the same place in a store the size of the target, made on first use and then
// reused, so that saving new rectangles every frame allocates nothing. A whole target is not
// copied at all where it can trade its pixels with the store.
class SurfaceBackup {
public:
    explicit SurfaceBackup(Pixels::PixelSurface& target);

    // Replaces the saved copy with the part of area that lies on the target.
    void save(const AreaRect& area);
    // The same for several rectangles, which must not overlap.
    void save(std::span<const AreaRect> areas);
    // Copies the saved rectangles back onto the target.
    void restore();
    // Forgets the saved copy; restore() then does nothing. A whole target that was saved by
    // trading pixels gets them back first.
    void clear();
    // What restore() puts back: clipped to the target, none when nothing is saved.
    std::span<const AreaRect> areas() const { return areas_; }
    // The smallest rectangle holding them all; empty when nothing is saved.
    AreaRect area() const;
    // The surface that holds the whole target's saved picture, null unless the whole target is
    // saved. What is drawn on it is what restore() puts back.
    Pixels::PixelSurface* wholeTargetSaved();

private:
    bool saveByExchange();
    void giveBack();
    AreaRect wholeTarget() const;

    Pixels::PixelSurface& target_;
    std::unique_ptr<Pixels::PixelSurface> store_;
    std::vector<AreaRect> areas_;
    enum class Held {
        // Copies of the saved rectangles.
        Copies,
        // The target's own pixels, traded for the store's.
        TargetsPicture,
        // Nothing any more: the traded pixels went back.
        GivenBack,
    };
    Held held_ = Held::Copies;
};
