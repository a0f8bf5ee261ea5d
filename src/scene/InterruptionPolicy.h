#pragma once

#include "scene/InputEvent.h"
#include "scene/MouseReference.h"

#include <cstdint>

namespace Scene {

// Decides which input ends the saver, by the interruption mode of the control options:
// 0: mouse or keyboard; 1: keyboard only; 2: the Escape key only. Losing the focus and a close
// request end it in every mode.
class InterruptionPolicy {
public:
    // How far the mouse may wander from the first position seen, in pixels along either axis.
    static constexpr int32_t mouseTolerance = 2;

    enum class Placement {
        FullScreen,
        // A window on the desktop for trying the saver out: the mouse and the focus belong to the
        // desktop, so only keys and closing the window end it.
        DesktopWindow,
    };

    InterruptionPolicy(int32_t interruptMode, MouseReference& mouseReference,
                       Placement placement = Placement::FullScreen);

    // closing: the window is being destroyed, so losing the focus is expected then.
    bool endsSaver(const InputEvent& event, bool closing);

    int32_t interruptMode() const { return interruptMode_; }

private:
    bool mouseMoveEndsSaver(int32_t x, int32_t y);
    bool buttonEndsSaver(InputEvent::Button button) const;
    bool keyEndsSaver(int32_t key) const;
    bool pointerCounts() const;

    int32_t interruptMode_;
    MouseReference& mouseReference_;
    Placement placement_;
};

} // namespace Scene
