#pragma once

#include "display/ScreenPresenter.h"
#include "display/Surface.h"

#include <memory>

namespace DDraw {

// The picture on the screen and its one back buffer. Whatever is written into the primary
// surface (a blit, an unlock) is shown at once; flip() shows the back buffer. Unlike a swap
// chain, the back buffer keeps its contents across flips, because each frame only redraws the
// parts of it that changed.
class PrimarySurface : public Surface {
public:
    PrimarySurface(std::unique_ptr<ScreenPresenter> presenter, int32_t width, int32_t height,
                   PixelFormat format, std::shared_ptr<const SurfaceLossEpoch> lossEpoch);

    Surface& backBuffer() { return *backBuffer_; }

    // Shows the back buffer. DDERR_SURFACELOST when the chain is lost, DDERR_SURFACEBUSY while
    // either surface is locked.
    void flip();

    // The chain is lost when either of its surfaces is.
    bool isLost() const override;
    // Restores both surfaces and makes the screen's texture again.
    void restore() override;

protected:
    void pixelsWritten(const PixelRect& area) override;

private:
    std::unique_ptr<ScreenPresenter> presenter_;
    std::unique_ptr<Surface> backBuffer_;
};

} // namespace DDraw
