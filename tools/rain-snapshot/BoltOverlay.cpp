#include "rain-snapshot/BoltOverlay.h"

#include "display/PixelSurface.h"
#include "lightning/LightningController.h"
#include "lightning/LightningView.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "rain/IDropSystem.h"

#include <cstring>

namespace {

// The controller only asks whether the rain is at full strength, which here it always is.
class FullStrengthRain : public IDropSystem {
public:
    Drop* findDropAt(int32_t, int32_t, int32_t) override { return nullptr; }
    float rampElapsed() const override { return 1.0f; }
    float rampLength() const override { return 1.0f; }
};

// The tool's buffers of 16, 24 and 32 bits have the saver's own surface layouts.
void copyRows(const PixelBufferDesc& from, const PixelBufferDesc& to) {
    const auto rowBytes = static_cast<std::size_t>(from.width * from.bitsPerPixel / 8);
    for (int32_t y = 0; y < from.height; ++y) {
        std::memcpy(to.pixels + static_cast<std::ptrdiff_t>(y) * to.pitch,
                    from.pixels + static_cast<std::ptrdiff_t>(y) * from.pitch, rowBytes);
    }
}

void show(const RgbImage& image, PixelBuffer& buffer, Pixels::PixelSurface& surface) {
    buffer.fillFrom(image);
    const PixelBufferDesc pixels = surface.lock();
    copyRows(buffer.desc(), pixels);
    surface.unlock();
}

} // namespace

RgbImage overlayBolt(const RgbImage& background, const RgbImage& frame, int32_t bitsPerPixel,
                     bool flash) {
    const int32_t depth = bitsPerPixel == 8 ? 32 : bitsPerPixel;
    Pixels::PixelSurface surface(frame.width, frame.height,
                                 Pixels::PixelFormat::forSurfaceDepth(depth));
    PixelBuffer buffer(frame.width, frame.height, depth);
    const ScreenSaverOptionsStorage settings;

    show(background, buffer, surface);
    LightningView view(surface, settings);
    show(frame, buffer, surface);

    const FullStrengthRain rain;
    LightningController controller(AreaRect{0, frame.height, frame.width, 0}, rain, settings);
    const auto bolt = controller.createLightning();
    bolt->setBoltVisible(true);
    bolt->setFlashOn(flash);
    view.setLightning(bolt.get());
    view.draw();

    const PixelBufferDesc pixels = surface.lock();
    copyRows(pixels, buffer.desc());
    surface.unlock();
    return buffer.toRgb();
}
