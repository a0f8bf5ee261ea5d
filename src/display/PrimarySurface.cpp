#include "display/PrimarySurface.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/SurfaceLock.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace Pixels {

namespace {

// Where the screen takes its pixels only when asked, the back buffer lies in the front buffer
// and the primary keeps pixels of its own, which no view of that kind needs.
PixelView primaryPixels(IScreenPresenter& presenter) {
    return presenter.showsOnlyWhenAsked() ? PixelView{} : presenter.frontBuffer();
}

PixelView backBufferPixels(IScreenPresenter& presenter) {
    return presenter.showsOnlyWhenAsked() ? presenter.frontBuffer() : PixelView{};
}

void throwUnlessFree(const PixelSurface& surface) {
    if (const int32_t status = surface.bltStatus(); status != DX5::DD_OK) {
        throw DX5::Error(status);
    }
}

std::size_t rowBytes(const PixelView& view, const PixelRect& area) {
    return static_cast<std::size_t>(area.width()) * view.format.bytesPerPixel();
}

uint8_t* rowStart(const PixelView& view, const PixelRect& area, int32_t y) {
    return view.pixels + static_cast<std::ptrdiff_t>(y) * view.pitch +
           static_cast<std::ptrdiff_t>(area.left) * view.format.bytesPerPixel();
}

// Through a buffer, so that whole screens trade places at the speed of copying.
void exchangeRows(const PixelView& a, const PixelView& b, const PixelRect& area) {
    std::array<uint8_t, 4096> held;
    const std::size_t bytes = rowBytes(a, area);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        uint8_t* first = rowStart(a, area, y);
        uint8_t* second = rowStart(b, area, y);
        for (std::size_t done = 0; done < bytes; done += held.size()) {
            const std::size_t part = std::min(held.size(), bytes - done);
            std::memcpy(held.data(), first + done, part);
            std::memcpy(first + done, second + done, part);
            std::memcpy(second + done, held.data(), part);
        }
    }
}

} // namespace

PrimarySurface::PrimarySurface(std::unique_ptr<IScreenPresenter> presenter, int32_t width,
                               int32_t height, PixelFormat format,
                               std::shared_ptr<const SurfaceLossEpoch> lossEpoch)
    : PixelSurface(width, height, format, lossEpoch, primaryPixels(*presenter)),
      presenter_(std::move(presenter)), backInFront_(presenter_->showsOnlyWhenAsked()),
      backBuffer_(std::make_unique<PixelSurface>(width, height, format, std::move(lossEpoch),
                                                 backBufferPixels(*presenter_))) {
    checkOnFrontBuffer();
}

// Pixels of the primary's own would never reach the screen.
void PrimarySurface::checkOnFrontBuffer() const {
    const PixelSurface& onFront =
        backInFront_ ? *backBuffer_ : static_cast<const PixelSurface&>(*this);
    if (!onFront.liesOnExternalPixels()) {
        throw DX5::Error(std::string("the screen's picture does not have the surface's size "
                                     "and format"));
    }
}

void PrimarySurface::flip() {
    wholeFlipDue_ = false;
    if (backInFront_) {
        const PixelRect whole = bounds();
        showBackBuffer({&whole, 1});
        return;
    }
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
            if (!backInFront_) {
                backBuffer_->copyRectQuietly(*this, inside);
            }
            shown_.push_back(inside);
        }
    }
    if (!backInFront_) {
        presenter_->show(shown_);
    } else if (!shown_.empty()) {
        showBackBuffer(shown_);
    }
}

// The back buffer already lies where the screen takes its pixels from: nothing is copied.
void PrimarySurface::showBackBuffer(std::span<const PixelRect> areas) {
    throwUnlessFree(*this);
    throwUnlessFree(*backBuffer_);
    presenter_->show(areas);
}

PixelRect PrimarySurface::clippedToBounds(const PixelRect& area) const {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width()),
            std::min(area.bottom, height())};
}

// With the back buffer in the front buffer, the screen gets the last frame again, which is what
// it showed, less what was drawn over the frame and put back after it.
void PrimarySurface::refreshScreen() {
    const PixelRect whole = bounds();
    if (backInFront_) {
        presenter_->show({&whole, 1});
        return;
    }
    pixelsWritten(whole);
}

bool PrimarySurface::isLost() const {
    return PixelSurface::isLost() || backBuffer_->isLost();
}

void PrimarySurface::restore() {
    if (backInFront_) {
        restoreWithBackInFront();
    } else {
        presenter_->recreate();
        usePixels(presenter_->frontBuffer());
    }
    checkOnFrontBuffer();
    wholeFlipDue_ = true;
    PixelSurface::restore();
    backBuffer_->restore();
}

// The front buffer may move, and the back buffer's picture must move with it: the scene draws
// only what changes.
void PrimarySurface::restoreWithBackInFront() {
    const PixelView before = presenter_->frontBuffer();
    std::vector<uint8_t> kept;
    if (before.pixels != nullptr) {
        kept.assign(before.pixels,
                    before.pixels + static_cast<std::size_t>(before.pitch) * before.height);
    }
    presenter_->recreate();
    const PixelView after = presenter_->frontBuffer();
    backBuffer_->usePixels(after);
    if (!kept.empty() && after.pixels != nullptr && after.pitch == before.pitch &&
        after.height == before.height) {
        std::copy(kept.begin(), kept.end(), after.pixels);
    }
}

// What is written into the primary is shown at once. With the back buffer in the front buffer,
// the written pixels trade places with the back buffer's for as long as it takes to show them.
void PrimarySurface::pixelsWritten(const PixelRect& area) {
    if (!backInFront_) {
        presenter_->show({&area, 1});
        return;
    }
    const SurfaceLock back(*backBuffer_);
    const PixelView own = view();
    exchangeRows(own, back.view(), area);
    try {
        presenter_->show({&area, 1});
    } catch (...) {
        exchangeRows(own, back.view(), area);
        throw;
    }
    exchangeRows(own, back.view(), area);
}

} // namespace Pixels
