#include "lightning/LightningView.h"

#include "display/SurfaceLock.h"
#include "lightning/BoltLight.h"
#include "lightning/FlashAdapter.h"
#include "lightning/LightningTexture.h"
#include "lightning/SimpleFlash.h"
#include "lightning/TriangleRasterizer.h"

namespace {

// Refuses a target the rasteriser cannot draw into before anything else is made.
Pixels::PixelSurface& drawableTarget(Pixels::PixelSurface& target) {
    if (!TriangleRasterizer::canDrawInto(target.format())) {
        TriangleRasterizer::refuse(target.format());
    }
    return target;
}

} // namespace

LightningView::LightningView(Pixels::PixelSurface& target, const ILightningOptions& options)
    : target_(drawableTarget(target)), options_(options), texture_(loadLightningTexture()),
      backup_(target) {
    createFlash();
}

LightningView::~LightningView() = default;

void LightningView::setLightning(ILightning* bolt) {
    light_.reset();
    mesh_.reset();
    boltBands_.clear();
    bolt_ = bolt;
    if (bolt_ != nullptr) {
        mesh_ = std::make_unique<LightningMesh>(*bolt_);
        boltBands_ = mesh_->bandsWithin(wholeTarget());
        if (BoltLight::canLight(target_.format())) {
            light_ = std::make_unique<BoltLight>(*mesh_, boltBands_, target_.format(), texture_);
        }
    }
}

std::span<const Pixels::PixelRect> LightningView::draw() {
    if (bolt_ == nullptr) {
        return {};
    }
    dirty_ = false;
    bool wholeTargetSaved = false;
    if (bolt_->isFlashOn()) {
        wholeTargetSaved = flash_->saveTarget(backup_);
        if (!wholeTargetSaved) {
            backup_.clear();
        }
        flash_->apply();
        dirty_ = flash_->replacesTarget();
    }
    if (options_.boltsEnabled() && bolt_->isBoltVisible()) {
        // While the flash is lit its backup of the whole target already covers the bolt.
        if (!wholeTargetSaved) {
            backup_.save(boltBands_);
        }
        drawBolt();
        dirty_ = true;
    }
    if (!dirty_) {
        return {};
    }
    if (wholeTargetSaved) {
        const AreaRect whole = wholeTarget();
        return changed(std::span(&whole, 1));
    }
    return changed(boltBands_);
}

std::span<const Pixels::PixelRect> LightningView::restore() {
    if (!dirty_) {
        return {};
    }
    backup_.restore();
    dirty_ = false;
    return changed(backup_.areas());
}

std::span<const Pixels::PixelRect> LightningView::changed(std::span<const AreaRect> areas) {
    changed_.clear();
    for (const AreaRect& area : areas) {
        changed_.push_back(areaOf(area));
    }
    return changed_;
}

void LightningView::createFlash() {
    std::unique_ptr<IFlash> flash;
    if (options_.flashesEnabled()) {
        flash = std::make_unique<SimpleFlash>(target_, options_);
    } else {
        flash = std::make_unique<FlashAdapter>();
    }
    flash_ = std::move(flash);
}

void LightningView::drawBolt() {
    const Pixels::SurfaceLock lock(target_);
    if (light_) {
        light_->addTo(lock.view());
        return;
    }
    TriangleRasterizer rasterizer(lock.view());
    rasterizer.drawTriangles(mesh_->vertices(), mesh_->indices(), texture_);
}
