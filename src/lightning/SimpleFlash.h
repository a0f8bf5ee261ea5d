#pragma once

#include "display/Surface.h"
#include "lightning/IFlash.h"
#include "options/ILightningOptions.h"

#include <memory>

// The flash image: the bright parts of what the target showed when the flash was made, in the
// flash colour, on black. Made once per background, put over the whole target while a flash is
// lit.
class SimpleFlash : public IFlash {
public:
    SimpleFlash(DDraw::Surface& target, const ILightningOptions& options);

    void apply() override;
    bool replacesTarget() const override { return true; }
    bool saveTarget(SurfaceBackup& backup) override;

    DDraw::Surface& image() { return *image_; }

private:
    void keepOnlyBrightPixels(const ILightningOptions& options);

    DDraw::Surface& target_;
    std::unique_ptr<DDraw::Surface> image_;
};
