#include "checks/FrameFaultCheck.h"

#include <cstdlib>

FrameFaultCheck::FrameFaultCheck() {
    if (const char* frames = std::getenv("PLUVO_CHECK_FAULT_FRAMES")) {
        frames_ = std::strtol(frames, nullptr, 10);
    }
}

bool FrameFaultCheck::isDue(uint32_t presentedFrames) const {
    return frames_ >= 0 && presentedFrames >= frames_;
}
