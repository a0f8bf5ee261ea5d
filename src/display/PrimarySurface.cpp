#include "display/PrimarySurface.h"

#include "display/DX5Error.h"

#include <algorithm>
#include <string>

namespace Pixels {

PrimarySurface::PrimarySurface(std::unique_ptr<IScreenPresenter> presenter, int32_t width,
                               int32_t height, PixelFormat format,
                               std::shared_ptr<const SurfaceLossEpoch> lossEpoch)
    : PixelSurface(width, height, format, lossEpoch, presenter->frontBuffer()),
      presenter_(std::move(presenter)),
      backBuffer_(std::make_unique<PixelSurface>(width, height, format, std::move(lossEpoch))) {
    checkOnFrontBuffer();
}

// Pixels of the primary's own would never reach the screen.
void PrimarySurface::checkOnFrontBuffer() const {
    if (!liesOnExternalPixels()) {
        throw DX5::Error(std::string("the screen's picture does not have the surface's size "
                                     "and format"));
    }
}

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
    presenter_->show(shown_);
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
    usePixels(presenter_->frontBuffer());
    checkOnFrontBuffer();
    wholeFlipDue_ = true;
    PixelSurface::restore();
    backBuffer_->restore();
}

void PrimarySurface::pixelsWritten(const PixelRect& area) {
    presenter_->show({&area, 1});
}

} // namespace Pixels
