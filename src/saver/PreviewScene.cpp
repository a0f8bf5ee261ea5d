#include "saver/PreviewScene.h"

#include "rain/DropTuning.h"
#include "rain/Renderer.h"

namespace {

constexpr int32_t bitsPerPixel = 24;
constexpr uint32_t redMask = 0xFF0000;
constexpr uint32_t greenMask = 0x00FF00;
constexpr uint32_t blueMask = 0x0000FF;

} // namespace

PixelBufferDesc PreviewScene::describe(Graphics::Bitmap& pixels) {
    return {bitsPerPixel, pixels.pitch(), pixels.width(), pixels.height(), pixels.pixels()};
}

PreviewScene::PreviewScene(Graphics::Bitmap snapshot, int32_t maxRadius,
                           const IDropSystemOptions& options, IMillisecondClock& clock)
    : backgroundPixels_(std::move(snapshot)), destinationPixels_(backgroundPixels_),
      backgroundDescription_(describe(backgroundPixels_)),
      destinationDescription_(describe(destinationPixels_)),
      drawer_(std::make_unique<Drawer>(width(), height(), maxRadius)), damage_(width(), height()) {
    setDropScale(referenceRadius);
    setRendererPixelFormat(redMask, greenMask, blueMask);
    dropSystem_ = std::make_unique<DropSystem>(width(), height(), *drawer_, clock);
    dropSystem_->applyOptions(options);
}

void PreviewScene::frame() {
    damage_.clear();
    dropSystem_->update();
    // The drawer forgets its rectangles once it has drawn them.
    for (const DirtyRect& rect : drawer_->dirtyRects()) {
        damage_.add({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    }
    drawer_->draw(destinationDescription_, backgroundDescription_);
}
