#pragma once

#include "display/PixelSurface.h"

#include <cstdint>
#include <string>

// A switch for the end-to-end check of what reaches the screen: with PLUVO_CHECK_FRAMES=N and
// PLUVO_CHECK_OUTPUT=FILE in the environment the saver stops presenting after N frames and
// writes the back buffer, the picture the screen should now show, to FILE as a binary PPM.
// Without them it does nothing.
class ScreenCheck {
public:
    ScreenCheck();

    // True from the moment the given number of presented frames reaches N.
    bool isDue(uint32_t presentedFrames) const;
    bool isDone() const { return done_; }
    // Writes the surface's picture and ends presenting; raises std::runtime_error when the
    // file cannot be written.
    void capture(Pixels::PixelSurface& surface);

private:
    uint32_t frames_ = 0;
    std::string output_;
    bool done_ = false;
};
