#pragma once

#include <cstdint>

// A switch for the end-to-end check of the ways the saver ends: with PLUVO_CHECK_FAULT_FRAMES=N
// in the environment, the frame that follows N presented frames makes a processor fault by
// writing where nothing may be written, so that the check sees a fault inside a frame reported
// and the display given back. Without it it does nothing.
class FrameFaultCheck {
public:
    FrameFaultCheck();

    bool isDue(uint32_t presentedFrames) const;
    // Writes into a page that allows no access; returns only where faults are not translated.
    // The system's back end makes the page.
    void fault() const;

private:
    int64_t frames_ = -1;
};
