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
    // Leaves the target alone where it holds this painting already, and repaints only the bolt's
    // bands where the flash stays lit; otherwise puts back first what an earlier draw() left.
    std::span<const Pixels::PixelRect> draw() override;
    std::span<const Pixels::PixelRect> restore() override;
    // The rain must be back on the target (restore()) before the background changes.
    void createFlash() override;

    // True when the target still holds what the last draw() painted and draw() would paint the
    // same now, or when it holds nothing and there is nothing to paint: a frame may then be left
    // as it is on the screen.
    bool showsCurrentState() const;
    // True while the target holds something the last draw() painted.
    bool holdsPainting() const { return dirty_; }
    // Where the rain is to be drawn: the target, which must then be restore()d first, or while a
    // lit flash covers all of it, the copy of the target that restore() will put back.
    Pixels::PixelSurface& rainLayer();

    // Null until the first bolt.
    const LightningMesh* mesh() const { return mesh_.get(); }

private:
    // What draw() paints follows from the bolt's two flags alone.
    struct Painting {
        bool flash = false;
        bool bolt = false;

        friend bool operator==(const Painting&, const Painting&) = default;
    };

    Painting currentPainting() const;
    AreaRect wholeTarget() const { return {0, target_.height(), target_.width(), 0}; }
    void drawBolt();
    bool flashStaysLit();
    void redrawBoltOverFlash();
    // Restores what the last painting covered and adds it to the changed rectangles.
    void putBack();
    void addChanged(std::span<const AreaRect> areas);

    Pixels::PixelSurface& target_;
    const ILightningOptions& options_;
    AlphaTexture texture_;
    // The target holds a painting that restore() has not put back yet.
    bool dirty_ = false;
    // The bolt's flags at the last draw(), none once put back; stale once the bolt or the flash
    // image was replaced.
    Painting painted_;
    bool paintingStale_ = false;
    ILightning* bolt_ = nullptr;
    SurfaceBackup backup_;
    std::unique_ptr<LightningMesh> mesh_;
    // Where on the target the bolt may paint.
    std::vector<AreaRect> boltBands_;
    // The bolt's light, worked out once, where the target's format allows it.
    std::unique_ptr<BoltLight> light_;
    // What the last draw() or restore() changed on the target.
    std::vector<Pixels::PixelRect> changed_;
    std::unique_ptr<IFlash> flash_;
};
