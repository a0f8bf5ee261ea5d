#pragma once

#include "display/PixelView.h"

#include <span>

namespace Pixels {

// Owns the picture on the screen, the front buffer, and puts its changed parts on the screen.
// The primary surface draws into the front buffer but never owns it.
class IScreenPresenter {
public:
    virtual ~IScreenPresenter() = default;

    // The front buffer, of the size and pixel format the presenter was made for: the screen's
    // own pixels where the platform lets the program draw into them, else memory the presenter
    // keeps and carries to the screen. Valid until recreate().
    virtual PixelView frontBuffer() = 0;
    // Makes these rectangles of the front buffer visible. A display that went away raises
    // DX5::Error with DDERR_SURFACELOST.
    virtual void show(std::span<const PixelRect> areas) = 0;
    // After the display was reset or resized: takes hold of the screen again, with a front
    // buffer that may lie elsewhere now.
    virtual void recreate() = 0;
    // True when the screen takes the front buffer's pixels in show() only, never by itself in
    // between: the program may then keep other pixels there between two calls, such as the
    // back buffer it draws the next frame into.
    virtual bool showsOnlyWhenAsked() const { return false; }
};

} // namespace Pixels
