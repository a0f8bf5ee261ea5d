#pragma once

#include "display/PixelSurface.h"
#include "lightning/IFlash.h"
#include "options/ILightningOptions.h"

#include <cstdint>
#include <vector>

// The flash image: the bright parts of what the target showed when the flash was made, in the
// flash colour, on black. Made once per background, put over the whole target while a flash is
// lit. Every pixel of the image is one of two values, so it is kept as one bit per pixel rather
// than as a full-frame surface of its own.
class SimpleFlash : public IFlash {
public:
    SimpleFlash(Pixels::PixelSurface& target, const ILightningOptions& options);

    void apply() override;
    void applyWithin(std::span<const AreaRect> areas) override;
    bool replacesTarget() const override { return true; }
    bool saveTarget(SurfaceBackup& backup) override;

private:
    void markBrightPixels(const ILightningOptions& options);
    void paint(std::span<const AreaRect> areas);
    template <int Bytes> void paintArea(const PixelBufferDesc& desc, const AreaRect& area) const;

    Pixels::PixelSurface& target_;
    // The target's pixel for a lit pixel of the image; unlit pixels are 0.
    uint32_t litPixel_ = 0;
    int32_t wordsPerRow_ = 0;
    std::vector<uint64_t> lit_;
};
