#include "scene/FrameLoop.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class ManualClock : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 1000;
};

// A platform whose waits only move the clock, and which can be told to signal a quit or to
// deliver input at a given moment.
class ScriptedPump : public Scene::IEventPump {
public:
    explicit ScriptedPump(ManualClock& clock) : clock_(clock) {}

    void waitForEvents(uint32_t milliseconds) override {
        waits.push_back(milliseconds);
        clock_.time += milliseconds;
        if (onWait) {
            onWait();
        }
    }
    bool quitSignalled() const override { return signalled; }

    std::vector<uint32_t> waits;
    std::function<void()> onWait;
    bool signalled = false;

private:
    ManualClock& clock_;
};

// Frames that take the given time on the clock, and end the loop after a number of frames.
struct TimedFrames {
    TimedFrames(ManualClock& frameClock, uint32_t workPerFrame, int frames)
        : clock(frameClock), work(workPerFrame), framesLeft(frames) {}
    void operator()() {
        starts.push_back(clock.time);
        clock.time += work;
        if (--framesLeft == 0 && loop != nullptr) {
            loop->requestQuit();
        }
    }

    ManualClock& clock;
    uint32_t work;
    int framesLeft;
    Scene::FrameLoop* loop = nullptr;
    std::vector<uint32_t> starts;
};

// 10 ms of work at a quarter of the processor leaves 30 ms idle: frames start 40 ms apart.
TEST(FrameLoopTest, FramesComeAsThePacingSaysForTheWorkMeasured) {
    ManualClock clock;
    ScriptedPump pump(clock);
    TimedFrames frames(clock, 10, 4);
    Scene::FrameLoop loop([&frames] { frames(); }, Scene::FramePacing::forSaver(25), clock);
    frames.loop = &loop;
    loop.start(40);
    loop.run(pump);
    EXPECT_EQ(frames.starts, (std::vector<uint32_t>{1040, 1080, 1120, 1160}));
}

// The work at full share asks for no idle time; the platform's minimum still applies. A
// periodic loop keeps its period, whatever the work.
TEST(FrameLoopTest, NoPacingWaitsLessThanThePlatformMinimum) {
    ManualClock clock;
    ScriptedPump pump(clock);
    TimedFrames fast(clock, 3, 3);
    Scene::FrameLoop saver([&fast] { fast(); }, Scene::FramePacing::forSaver(100), clock);
    fast.loop = &saver;
    saver.start(0);
    saver.run(pump);
    EXPECT_EQ(fast.starts, (std::vector<uint32_t>{1010, 1023, 1036}));

    TimedFrames steady(clock, 7, 3);
    Scene::FrameLoop live([&steady] { steady(); }, Scene::FramePacing::periodic(), clock);
    steady.loop = &live;
    live.start(40);
    live.run(pump);
    EXPECT_EQ(steady.starts[1] - steady.starts[0], 40u);
    EXPECT_EQ(steady.starts[2] - steady.starts[1], 40u);
}

// A signal's handler cannot wake the loop: it looks at least every 100 ms, and ends before
// the next frame.
TEST(FrameLoopTest, AQuitSignalEndsTheLoopWithinATenthOfASecond) {
    ManualClock clock;
    ScriptedPump pump(clock);
    int frames = 0;
    Scene::FrameLoop loop([&frames] { ++frames; }, Scene::FramePacing::forSaver(50), clock);
    loop.start(5000);
    pump.onWait = [&pump, &clock] { pump.signalled = clock.time >= 1250; };
    loop.run(pump);
    EXPECT_TRUE(loop.quitRequested());
    EXPECT_EQ(frames, 0);
    for (const uint32_t wait : pump.waits) {
        EXPECT_LE(wait, 100u);
    }
    EXPECT_EQ(clock.time, 1300u);
}

// Input ends the loop by the interruption mode; without a policy (a preview) it never does.
TEST(FrameLoopTest, InputEndsTheLoopOnlyByItsInterruptionPolicy) {
    ManualClock clock;
    Scene::MouseReference reference;
    Scene::FrameLoop preview([] {}, Scene::FramePacing::forPreview(50), clock);
    preview.onInput(Scene::InputEvent::keyDown('a'));
    EXPECT_FALSE(preview.quitRequested());

    Scene::FrameLoop escapeOnly([] {}, Scene::FramePacing::forSaver(50), clock);
    escapeOnly.setInterruptionPolicy(Scene::InterruptionPolicy(2, reference));
    escapeOnly.onInput(Scene::InputEvent::keyDown('a'));
    EXPECT_FALSE(escapeOnly.quitRequested());
    escapeOnly.onInput(Scene::InputEvent::keyDown(Scene::InputEvent::escapeKey));
    EXPECT_TRUE(escapeOnly.quitRequested());
}

} // namespace
