#pragma once

#include "display/PixelView.h"

#include <span>

namespace Pixels {

// Sends the primary surface's pixels to the screen.
class IScreenPresenter {
public:
    virtual ~IScreenPresenter() = default;

    // The screen's own pixels when the primary surface can draw straight into them, else an
    // empty view (the primary then keeps pixels of its own and show() carries them over).
    virtual PixelView screenPixels() = 0;
    // Makes these rectangles of the primary's pixels visible. A display that went away raises
    // DX5::Error with DDERR_SURFACELOST.
    virtual void show(const PixelView& primary, std::span<const PixelRect> areas) = 0;
    // After the display was reset or resized: takes hold of the screen again. Pixels handed out
    // by screenPixels() before are no longer the screen's.
    virtual void recreate() = 0;
};

} // namespace Pixels
