#pragma once

#include "display/PixelSurface.h"
#include "lightning/AlphaTexture.h"
#include "lightning/BoltLight.h"
#include "lightning/IFlash.h"
#include "lightning/ILightningView.h"
#include "lightning/LightningMesh.h"
#include "lightning/SurfaceBackup.h"
#include "options/ILightningOptions.h"

#include <memory>
#include <span>
#include <vector>

// Paints the flash image and the bolt over the back buffer and puts back what they covered.
// The bolt is its mesh of textured triangles, added to the rain as light in its colour.
class LightningView : public ILightningView {
public:
    // Makes the flash from what target shows now, so the background must already be in it.
    // Throws DX5::Error for a target of a pixel format bolts cannot be drawn into.
    LightningView(Pixels::PixelSurface& target, const ILightningOptions& options);
    ~LightningView() override;
    LightningView(const LightningView&) = delete;
    LightningView& operator=(const LightningView&) = delete;

    void setLightning(ILightning* bolt) override;
    ILightning* lightning() const override { return bolt_; }
    std::span<const Pixels::PixelRect> draw() override;
    std::span<const Pixels::PixelRect> restore() override;
    void createFlash() override;

    // Null until the first bolt.
    const LightningMesh* mesh() const { return mesh_.get(); }

private:
    AreaRect wholeTarget() const { return {0, target_.height(), target_.width(), 0}; }
    void drawBolt();
    // Keeps the areas as the frame's changed rectangles.
    std::span<const Pixels::PixelRect> changed(std::span<const AreaRect> areas);

    Pixels::PixelSurface& target_;
    const ILightningOptions& options_;
    AlphaTexture texture_;
    bool dirty_ = false;
    ILightning* bolt_ = nullptr;
    SurfaceBackup backup_;
    std::unique_ptr<LightningMesh> mesh_;
    // Where on the target the bolt may paint.
    std::vector<AreaRect> boltBands_;
    // The bolt's light, worked out once, where the target's format allows it.
    std::unique_ptr<BoltLight> light_;
    std::vector<Pixels::PixelRect> changed_;
    std::unique_ptr<IFlash> flash_;
};
