#include "display/PrimarySurface.h"

#include <algorithm>

namespace Pixels {

namespace {

PixelView screenPixelsOf(IScreenPresenter& presenter) {
    return presenter.screenPixels();
}

} // namespace

PrimarySurface::PrimarySurface(std::unique_ptr<IScreenPresenter> presenter, int32_t width,
                               int32_t height, PixelFormat format,
                               std::shared_ptr<const SurfaceLossEpoch> lossEpoch)
    : PixelSurface(width, height, format, lossEpoch, screenPixelsOf(*presenter)),
      presenter_(std::move(presenter)),
      backBuffer_(std::make_unique<PixelSurface>(width, height, format, std::move(lossEpoch))) {}

void PrimarySurface::flip() {
    wholeFlipDue_ = false;
    // Keeping what is on the screen in our own pixels too lets a later blit onto part of the
    // primary show the rest unchanged.
    backBuffer_->copyTo(*this);
}

void PrimarySurface::flip(std::span<const PixelRect> changed) {
    if (wholeFlipDue_) {
        flip();
        return;
    }
    shown_.clear();
    for (const PixelRect& area : changed) {
        const PixelRect inside = clippedToBounds(area);
        if (!inside.isEmpty()) {
            backBuffer_->copyRectQuietly(*this, inside);
            shown_.push_back(inside);
        }
    }
    presenter_->show(view(), shown_);
}

PixelRect PrimarySurface::clippedToBounds(const PixelRect& area) const {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width()),
            std::min(area.bottom, height())};
}

void PrimarySurface::refreshScreen() {
    pixelsWritten(bounds());
}

bool PrimarySurface::isLost() const {
    return PixelSurface::isLost() || backBuffer_->isLost();
}

void PrimarySurface::restore() {
    presenter_->recreate();
    usePixels(presenter_->screenPixels());
    wholeFlipDue_ = true;
    PixelSurface::restore();
    backBuffer_->restore();
}

void PrimarySurface::pixelsWritten(const PixelRect& area) {
    presenter_->show(view(), {&area, 1});
}

} // namespace Pixels
