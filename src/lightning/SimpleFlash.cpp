#include "lightning/SimpleFlash.h"

#include "lightning/PixelChannels.h"

namespace {

uint32_t lumaOf(const PixelChannels::Rgb& rgb) {
    return (rgb.red * 299 + rgb.green * 587 + rgb.blue * 114) / 1000;
}

PixelChannels::Rgb rgbOf(uint32_t colour) {
    return {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
}

// Unlocks on every way out, so that a failure leaves no surface locked.
class LockedSurface {
public:
    explicit LockedSurface(DDraw::Surface& surface) : surface_(surface), pixels_(surface.lock()) {}
    ~LockedSurface() { surface_.unlock(); }
    LockedSurface(const LockedSurface&) = delete;
    LockedSurface& operator=(const LockedSurface&) = delete;

    const PixelBufferDesc& pixels() const { return pixels_; }

private:
    DDraw::Surface& surface_;
    PixelBufferDesc pixels_;
};

} // namespace

SimpleFlash::SimpleFlash(DDraw::Surface& target, const ILightningOptions& options)
    : target_(target),
      image_(std::make_unique<DDraw::Surface>(target.width(), target.height(), target.format())) {
    target_.copyRectTo(*image_, 0, 0, target_.width(), target_.height());
    keepOnlyBrightPixels(options);
}

void SimpleFlash::apply() {
    image_->copyRectTo(target_, 0, 0, image_->width(), image_->height());
}

bool SimpleFlash::saveTarget(SurfaceBackup& backup) {
    backup.save(AreaRect{0, target_.height(), target_.width(), 0});
    return true;
}

void SimpleFlash::keepOnlyBrightPixels(const ILightningOptions& options) {
    const PixelChannels channels(image_->format());
    const uint32_t threshold = options.flashThreshold();
    const uint32_t lit = channels.encode(rgbOf(options.flashColour()), 0);
    const LockedSurface locked(*image_);
    const PixelBufferDesc& desc = locked.pixels();
    const int32_t step = channels.bytesPerPixel();
    for (int32_t y = 0; y < desc.height; ++y) {
        uint8_t* pixel = desc.pixels + static_cast<std::ptrdiff_t>(y) * desc.pitch;
        for (int32_t x = 0; x < desc.width; ++x, pixel += step) {
            const bool bright = threshold < lumaOf(channels.decode(channels.read(pixel)));
            channels.write(pixel, bright ? lit : 0);
        }
    }
}
