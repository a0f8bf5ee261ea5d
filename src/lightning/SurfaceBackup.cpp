#include "lightning/SurfaceBackup.h"

SurfaceBackup::SurfaceBackup(Pixels::PixelSurface& target) : target_(target) {}

void SurfaceBackup::save(const AreaRect& area) {
    // Cleared first: if the copy fails, a later restore() must not put back an older picture.
    area_ = {};
    const AreaRect clipped = intersect(area, AreaRect{0, target_.height(), target_.width(), 0});
    if (clipped.isEmpty()) {
        return;
    }
    if (!store_) {
        store_ = std::make_unique<Pixels::PixelSurface>(target_.width(), target_.height(),
                                                        target_.format());
    }
    target_.copyRectTo(*store_, clipped.minX, clipped.minY, clipped.maxX, clipped.maxY);
    area_ = clipped;
}

void SurfaceBackup::restore() {
    if (area_.isEmpty()) {
        return;
    }
    store_->copyRectTo(target_, area_.minX, area_.minY, area_.maxX, area_.maxY);
}
