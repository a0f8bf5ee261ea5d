#pragma once

#include "checks/FrameFaultCheck.h"
#include "checks/ScreenCheck.h"
#include "scene/IFrameObserver.h"

// What the program watches in the frames when the environment asks for it: the screen check,
// the fault check and the trace of the frames presented (PLUVO_TRACE).
class FrameChecks : public Scene::IFrameObserver {
public:
    void frameDone(uint32_t presentedFrames, Pixels::PixelSurface& picture) override;
    bool holdsPicture() const override { return screenCheck_.isDone(); }
    void saverEnded(uint32_t presentedFrames) override;

private:
    ScreenCheck screenCheck_;
    FrameFaultCheck faultCheck_;
    bool firstPresentSeen_ = false;
    double firstPresentAt_ = 0.0;
};
