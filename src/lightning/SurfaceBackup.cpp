#include "lightning/SurfaceBackup.h"

SurfaceBackup::SurfaceBackup(Pixels::PixelSurface& target) : target_(target) {}

void SurfaceBackup::save(const AreaRect& area) {
    save(std::span(&area, 1));
}

void SurfaceBackup::save(std::span<const AreaRect> areas) {
    // Cleared first: if a copy fails, a later restore() must not put back an older picture.
    clear();
    const AreaRect whole{0, target_.height(), target_.width(), 0};
    for (const AreaRect& area : areas) {
        const AreaRect clipped = intersect(area, whole);
        if (clipped.isEmpty()) {
            continue;
        }
        if (!store_) {
            store_ = std::make_unique<Pixels::PixelSurface>(target_.width(), target_.height(),
                                                            target_.format());
        }
        target_.copyRectTo(*store_, clipped.minX, clipped.minY, clipped.maxX, clipped.maxY);
        areas_.push_back(clipped);
    }
}

void SurfaceBackup::restore() {
    for (const AreaRect& area : areas_) {
        store_->copyRectTo(target_, area.minX, area.minY, area.maxX, area.maxY);
    }
}

void SurfaceBackup::clear() {
    areas_.clear();
}

AreaRect SurfaceBackup::area() const {
    AreaRect all;
    for (const AreaRect& area : areas_) {
        all = unite(all, area);
    }
    return all;
}
