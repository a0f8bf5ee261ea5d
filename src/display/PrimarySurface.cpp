#include "display/PrimarySurface.h"

namespace DDraw {

PrimarySurface::PrimarySurface(std::unique_ptr<ScreenPresenter> presenter, int32_t width,
                               int32_t height, PixelFormat format,
                               std::shared_ptr<const SurfaceLossEpoch> lossEpoch)
    : Surface(width, height, format, lossEpoch), presenter_(std::move(presenter)),
      backBuffer_(std::make_unique<Surface>(width, height, format, std::move(lossEpoch))) {}

void PrimarySurface::flip() {
    // Keeping what is on the screen in our own pixels too lets a later blit onto part of the
    // primary show the rest unchanged.
    backBuffer_->copyTo(*this);
}

bool PrimarySurface::isLost() const {
    return Surface::isLost() || backBuffer_->isLost();
}

void PrimarySurface::restore() {
    presenter_->recreateTexture();
    Surface::restore();
    backBuffer_->restore();
}

void PrimarySurface::pixelsWritten(const PixelRect&) {
    const PixelView pixels = view();
    presenter_->show(pixels.pixels, pixels.pitch);
}

} // namespace DDraw
