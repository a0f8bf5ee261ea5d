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
    paintingStale_ = true;
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
    changed_.clear();
    if (showsCurrentState()) {
        return changed_;
    }
    if (flashStaysLit()) {
        redrawBoltOverFlash();
        return changed_;
    }
    // Saving the target while it holds the last painting would keep the bolt as rain.
    if (dirty_) {
        putBack();
    }
    if (bolt_ == nullptr) {
        return changed_;
    }
    painted_ = currentPainting();
    paintingStale_ = false;
    bool wholeTargetSaved = false;
    if (painted_.flash) {
        wholeTargetSaved = flash_->saveTarget(backup_);
        if (!wholeTargetSaved) {
            backup_.clear();
        }
        flash_->apply();
        dirty_ = flash_->replacesTarget();
    }
    if (painted_.bolt) {
        // While the flash is lit its backup of the whole target already covers the bolt.
        if (!wholeTargetSaved) {
            backup_.save(boltBands_);
        }
        drawBolt();
        dirty_ = true;
    }
    if (!dirty_) {
        return changed_;
    }
    if (wholeTargetSaved) {
        const AreaRect whole = wholeTarget();
        addChanged(std::span(&whole, 1));
    } else {
        addChanged(boltBands_);
    }
    return changed_;
}

// The bolt flickers many times while a flash is lit. The flash under it is the same each time,
// so only the bolt's bands change.
bool LightningView::flashStaysLit() {
    return dirty_ && !paintingStale_ && painted_.flash && currentPainting().flash &&
           backup_.wholeTargetSaved() != nullptr;
}

void LightningView::redrawBoltOverFlash() {
    painted_.bolt = currentPainting().bolt;
    if (painted_.bolt) {
        drawBolt();
    } else {
        flash_->applyWithin(boltBands_);
    }
    addChanged(boltBands_);
}

Pixels::PixelSurface& LightningView::rainLayer() {
    if (dirty_ && painted_.flash) {
        if (Pixels::PixelSurface* rain = backup_.wholeTargetSaved()) {
            return *rain;
        }
    }
    return target_;
}

std::span<const Pixels::PixelRect> LightningView::restore() {
    changed_.clear();
    if (dirty_) {
        putBack();
    }
    return changed_;
}

bool LightningView::showsCurrentState() const {
    if (painted_ != currentPainting()) {
        return false;
    }
    return painted_ == Painting{} || !paintingStale_;
}

LightningView::Painting LightningView::currentPainting() const {
    if (bolt_ == nullptr) {
        return {};
    }
    return {bolt_->isFlashOn(), options_.boltsEnabled() && bolt_->isBoltVisible()};
}

void LightningView::putBack() {
    backup_.restore();
    dirty_ = false;
    painted_ = {};
    addChanged(backup_.areas());
}

void LightningView::addChanged(std::span<const AreaRect> areas) {
    for (const AreaRect& area : areas) {
        changed_.push_back(areaOf(area));
    }
}

void LightningView::createFlash() {
    paintingStale_ = true;
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
