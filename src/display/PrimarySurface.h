#pragma once

#include "display/IScreenPresenter.h"
#include "display/PixelSurface.h"

#include <memory>
#include <span>
#include <vector>

namespace Pixels {

// The picture on the screen and its one back buffer. Whatever is written into the primary
// surface (a blit, an unlock) is shown at once; flip() shows the back buffer. Unlike a swap
// chain, the back buffer keeps its contents across flips, because each frame only redraws the
// parts of it that changed. The primary draws into the presenter's front buffer, which stays the
// presenter's: the presenter was made for the primary's size and format. Where the screen takes
// the front buffer's pixels only when asked, the back buffer lies there instead, and a flip
// copies nothing.
class PrimarySurface : public PixelSurface {
public:
    PrimarySurface(std::unique_ptr<IScreenPresenter> presenter, int32_t width, int32_t height,
                   PixelFormat format, std::shared_ptr<const SurfaceLossEpoch> lossEpoch);

    PixelSurface& backBuffer() { return *backBuffer_; }

    // Shows the whole back buffer. DDERR_SURFACELOST when the chain is lost, DDERR_SURFACEBUSY
    // while either surface is locked.
    void flip();
    // Shows only these rectangles of the back buffer, the only parts that changed since the last
    // flip; after a restore the whole back buffer, as the screen may have lost its picture.
    void flip(std::span<const PixelRect> changed);
    // Sends the whole picture to the screen again, e.g. after another window covered part of it.
    void refreshScreen();

    // The chain is lost when either of its surfaces is.
    bool isLost() const override;
    // Restores both surfaces and takes hold of the screen again.
    void restore() override;

protected:
    void pixelsWritten(const PixelRect& area) override;

private:
    PixelRect clippedToBounds(const PixelRect& area) const;
    void checkOnFrontBuffer() const;
    void showBackBuffer(std::span<const PixelRect> areas);
    void restoreWithBackInFront();

    std::unique_ptr<IScreenPresenter> presenter_;
    // The back buffer lies in the presenter's front buffer, and a flip only shows it.
    bool backInFront_;
    std::unique_ptr<PixelSurface> backBuffer_;
    bool wholeFlipDue_ = false;
    // The rectangles of the last flip, kept so that flipping does not allocate.
    std::vector<PixelRect> shown_;
};

} // namespace Pixels
