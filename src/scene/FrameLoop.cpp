#include "scene/FrameLoop.h"

#include <algorithm>

namespace Scene {

namespace {

// The loop wakes up at least this often to notice a request to end that cannot wake it (a
// signal's handler only sets a flag).
constexpr uint32_t longestSleep = 100;

} // namespace

FrameLoop::FrameLoop(Frame frame, FramePacing pacing, const IMillisecondClock& clock)
    : frame_(std::move(frame)), pacing_(pacing), clock_(clock), timer_(clock) {}

void FrameLoop::run(IEventPump& pump) {
    while (!quitRequested_) {
        if (pump.quitSignalled()) {
            requestQuit();
            break;
        }
        if (timer_.takeDueTick()) {
            runFrame();
            continue;
        }
        pump.waitForEvents(nextWaitMilliseconds());
    }
}

void FrameLoop::runFrame() {
    if (pacing_.keepsPeriod()) {
        frame_();
        return;
    }
    timer_.stop();
    const uint32_t started = clock_.now();
    frame_();
    timer_.set(pacing_.idleAfter(clock_.now() - started));
}

void FrameLoop::onInput(const InputEvent& event, bool closing) {
    if (policy_ && policy_->endsSaver(event, closing)) {
        requestQuit();
    }
}

uint32_t FrameLoop::nextWaitMilliseconds() const {
    return std::min(timer_.millisecondsUntilDue().value_or(longestSleep), longestSleep);
}

} // namespace Scene
