#pragma once

#include "platform/MillisecondClock.h"
#include "scene/FramePacing.h"
#include "scene/FrameTimer.h"
#include "scene/InputEvent.h"
#include "scene/InterruptionPolicy.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace Scene {

// The platform's side of a frame loop: the events of its windows, and the requests to end that
// come from outside the program.
class IEventPump {
public:
    virtual ~IEventPump() = default;
    // Sleeps until something arrives for the program or the time is up, and hands out what came.
    virtual void waitForEvents(uint32_t milliseconds) = 0;
    // True once the system asked the program to end (a signal, a session ending).
    virtual bool quitSignalled() const = 0;
};

// Every saver's frames, whoever shows them: the full-screen saver, the savers in a daemon's
// windows, the preview in another program's window and the settings' live preview. Frames come
// as ticks of a timer that never fires sooner than the platform allows; after each frame the
// pacing decides the wait, the frame's own work measured on the clock.
class FrameLoop {
public:
    using Frame = std::function<void()>;

    explicit FrameLoop(Frame frame, FramePacing pacing = FramePacing::periodic(),
                       const IMillisecondClock& clock = systemClock());

    // Input ends the loop by the interruption mode from now on; without a policy it never does.
    void setInterruptionPolicy(InterruptionPolicy policy) { policy_.emplace(policy); }
    void setPacing(FramePacing pacing) { pacing_ = pacing; }

    // The first frame comes after the given time, then as the pacing says.
    void start(uint32_t firstFrameMilliseconds) { timer_.set(firstFrameMilliseconds); }
    void stop() { timer_.stop(); }
    // Runs frames and hands out events until a quit is requested, by input, the system or the
    // program. Errors of the frames and the event handlers leave the loop.
    void run(IEventPump& pump);
    // One frame now, as a platform timer that the loop does not own calls it.
    void runFrame();

    // closing: the window is going, so losing the focus is expected.
    void onInput(const InputEvent& event, bool closing = false);
    void requestQuit() { quitRequested_ = true; }
    bool quitRequested() const { return quitRequested_; }

private:
    uint32_t nextWaitMilliseconds() const;

    Frame frame_;
    FramePacing pacing_;
    const IMillisecondClock& clock_;
    FrameTimer timer_;
    std::optional<InterruptionPolicy> policy_;
    bool quitRequested_ = false;
};

} // namespace Scene
