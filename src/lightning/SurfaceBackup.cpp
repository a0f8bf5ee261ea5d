#include "lightning/SurfaceBackup.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"

SurfaceBackup::SurfaceBackup(Pixels::PixelSurface& target) : target_(target) {}

void SurfaceBackup::save(const AreaRect& area) {
    save(std::span(&area, 1));
}

void SurfaceBackup::save(std::span<const AreaRect> areas) {
    // Cleared first: if a copy fails, a later restore() must not put back an older picture.
    clear();
    const AreaRect whole = wholeTarget();
    for (const AreaRect& area : areas) {
        const AreaRect clipped = intersect(area, whole);
        if (clipped.isEmpty()) {
            continue;
        }
        if (!store_) {
            store_ = std::make_unique<Pixels::PixelSurface>(target_.width(), target_.height(),
                                                            target_.format());
        }
        if (clipped == whole && saveByExchange()) {
            return;
        }
        target_.copyRectTo(*store_, clipped.minX, clipped.minY, clipped.maxX, clipped.maxY);
        areas_.push_back(clipped);
    }
}

// A flash paints over every pixel of the target each frame it is lit: rather than copying the
// whole picture away and back, the target takes the store's pixels to be painted over, and
// gets its own back on restore().
bool SurfaceBackup::saveByExchange() {
    if (!target_.canExchangePixels(*store_)) {
        return false;
    }
    if (const int32_t status = target_.bltStatus(); status != DX5::DD_OK) {
        throw DX5::Error(status);
    }
    target_.exchangePixels(*store_);
    held_ = Held::TargetsPicture;
    areas_.push_back(wholeTarget());
    return true;
}

void SurfaceBackup::restore() {
    switch (held_) {
    case Held::Copies:
        for (const AreaRect& area : areas_) {
            store_->copyRectTo(target_, area.minX, area.minY, area.maxX, area.maxY);
        }
        break;
    case Held::TargetsPicture:
        giveBack();
        break;
    case Held::GivenBack:
        break;
    }
}

// The target's own picture is never forgotten while the store holds it.
void SurfaceBackup::clear() {
    if (held_ == Held::TargetsPicture) {
        giveBack();
    }
    held_ = Held::Copies;
    areas_.clear();
}

void SurfaceBackup::giveBack() {
    target_.exchangePixels(*store_);
    held_ = Held::GivenBack;
}

Pixels::PixelSurface* SurfaceBackup::wholeTargetSaved() {
    switch (held_) {
    case Held::Copies:
        return areas_.size() == 1 && areas_.front() == wholeTarget() ? store_.get() : nullptr;
    case Held::TargetsPicture:
        return store_.get();
    case Held::GivenBack:
        break;
    }
    return nullptr;
}

AreaRect SurfaceBackup::wholeTarget() const {
    return AreaRect{0, target_.height(), target_.width(), 0};
}

AreaRect SurfaceBackup::area() const {
    AreaRect all;
    for (const AreaRect& area : areas_) {
        all = unite(all, area);
    }
    return all;
}
