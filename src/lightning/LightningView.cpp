#include "lightning/LightningView.h"

#include "display/SurfaceLock.h"
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
    mesh_.reset();
    bolt_ = bolt;
    if (bolt_ != nullptr) {
        mesh_ = std::make_unique<LightningMesh>(*bolt_);
    }
}

Pixels::PixelRect LightningView::draw() {
    if (bolt_ == nullptr) {
        return {};
    }
    dirty_ = false;
    AreaRect painted;
    bool wholeTargetSaved = false;
    if (bolt_->isFlashOn()) {
        wholeTargetSaved = flash_->saveTarget(backup_);
        if (!wholeTargetSaved) {
            backup_.clear();
        }
        flash_->apply();
        dirty_ = flash_->replacesTarget();
        if (dirty_) {
            painted = wholeTarget();
        }
    }
    if (options_.boltsEnabled() && bolt_->isBoltVisible()) {
        // While the flash is lit its backup of the whole target already covers the bolt.
        if (!wholeTargetSaved) {
            backup_.save(mesh_->boundingBox());
        }
        painted = unite(painted, drawBolt());
        dirty_ = true;
    }
    return areaOf(painted);
}

Pixels::PixelRect LightningView::restore() {
    if (!dirty_) {
        return {};
    }
    backup_.restore();
    dirty_ = false;
    return areaOf(backup_.area());
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

AreaRect LightningView::drawBolt() {
    const Pixels::SurfaceLock lock(target_);
    TriangleRasterizer rasterizer(lock.view());
    rasterizer.drawTriangles(mesh_->vertices(), mesh_->indices(), texture_);
    return intersect(mesh_->boundingBox(), wholeTarget());
}
