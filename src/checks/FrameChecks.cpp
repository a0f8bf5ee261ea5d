#include "checks/FrameChecks.h"

#include "platform/StartupTrace.h"

#include <cstdio>

void FrameChecks::frameDone(uint32_t presentedFrames, Pixels::PixelSurface& picture) {
    if (presentedFrames > 0 && !firstPresentSeen_) {
        firstPresentSeen_ = true;
        StartupTrace::note("first frame presented");
        firstPresentAt_ = StartupTrace::elapsedMilliseconds();
    }
    if (screenCheck_.isDue(presentedFrames)) {
        screenCheck_.capture(picture);
    }
    if (faultCheck_.isDue(presentedFrames)) {
        faultCheck_.fault();
    }
}

void FrameChecks::saverEnded(uint32_t presentedFrames) {
    if (StartupTrace::enabled() && presentedFrames > 0) {
        const double seconds = (StartupTrace::elapsedMilliseconds() - firstPresentAt_) / 1000.0;
        std::fprintf(stderr, "pluvo: presented %u frames in %.2f s\n", presentedFrames - 1,
                     seconds);
    }
}
