#pragma once

#include "display/PixelSurface.h"

#include <cstdint>

namespace Scene {

// Watches a saver's frames from outside its scene: the program's end-to-end checks and its
// trace, installed by the program and unknown to the scene.
class IFrameObserver {
public:
    virtual ~IFrameObserver() = default;
    // After every frame, shown or not. presentedFrames counts the frames that reached the screen
    // so far; picture is the back buffer, which the screen now shows.
    virtual void frameDone(uint32_t presentedFrames, Pixels::PixelSurface& picture) = 0;
    // True once the picture on the screen must stay as it is: no more frames are made.
    virtual bool holdsPicture() const = 0;
    // The saver ends after this many presented frames.
    virtual void saverEnded(uint32_t presentedFrames) = 0;
};

} // namespace Scene
