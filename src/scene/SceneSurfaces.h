#pragma once

#include "display/FrameDamage.h"
#include "display/PixelSurface.h"
#include "display/PrimarySurface.h"

#include <cstdint>
#include <memory>

namespace Scene {

// The pictures a scene works on: the screen's surface with the back buffer that each frame is
// composed on, and the clean background that the drops refract. The screen's surface comes from
// the platform, whose presenter puts the changed rectangles on its screen.
class SceneSurfaces {
public:
    // background must have the primary's size and pixel format.
    SceneSurfaces(std::unique_ptr<Pixels::PrimarySurface> primary,
                  std::unique_ptr<Pixels::PixelSurface> background);

    Pixels::PixelSurface& backBuffer() { return *backBuffer_; }
    const Pixels::PixelSurface& backBuffer() const { return *backBuffer_; }
    Pixels::PixelSurface& background() { return *background_; }
    int32_t width() const { return primary_->width(); }
    int32_t height() const { return primary_->height(); }

    // Shows the back buffer's picture and keeps it as the clean background. Raises the error
    // for a display that another program keeps from us.
    void publishBackground();
    // Shows the changed parts of the back buffer. A busy display is asked again for a few
    // seconds, a lost one is restored and asked once more; anything else costs this frame only.
    // True when the frame reached the screen.
    bool present(const Pixels::FrameDamage& changed);
    // Ends the lost state of the surfaces; false when the display does not give them back.
    bool restoreLost();
    // The whole picture again, after another window uncovered part of it.
    void refreshScreen();
    // Leaves the clean background on the screen, as the saver ends.
    void showBackground();

private:
    std::unique_ptr<Pixels::PrimarySurface> primary_;
    std::unique_ptr<Pixels::PixelSurface> background_;
    Pixels::PixelSurface* backBuffer_;
};

} // namespace Scene
