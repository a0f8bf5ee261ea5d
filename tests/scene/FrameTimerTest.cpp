#include "scene/FrameTimer.h"

#include <gtest/gtest.h>

namespace {

class ManualClock : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 1000;
};

} // namespace

TEST(FrameTimerTest, NoPeriodIsShorterThanThePlatformMinimum) {
    EXPECT_EQ(Scene::FrameTimer::effectivePeriod(0), 10u);
    EXPECT_EQ(Scene::FrameTimer::effectivePeriod(9), 10u);
    EXPECT_EQ(Scene::FrameTimer::effectivePeriod(10), 10u);
    EXPECT_EQ(Scene::FrameTimer::effectivePeriod(40), 40u);
    EXPECT_EQ(Scene::FrameTimer::effectivePeriod(0xFFFFFFFF), 0x7FFFFFFFu);

    ManualClock clock;
    Scene::FrameTimer timer(clock);
    timer.set(0);
    EXPECT_EQ(timer.millisecondsUntilDue(), 10u);
    clock.time += 9;
    EXPECT_FALSE(timer.takeDueTick());
    clock.time += 1;
    EXPECT_TRUE(timer.takeDueTick());
}

TEST(FrameTimerTest, TicksRepeatUntilTheTimerIsStopped) {
    ManualClock clock;
    Scene::FrameTimer timer(clock);
    EXPECT_FALSE(timer.millisecondsUntilDue().has_value());
    timer.set(40);
    clock.time += 55;
    EXPECT_EQ(timer.millisecondsUntilDue(), 0u);
    EXPECT_TRUE(timer.takeDueTick());
    // The next period counts from the tick that was handed out.
    EXPECT_FALSE(timer.takeDueTick());
    EXPECT_EQ(timer.millisecondsUntilDue(), 40u);
    clock.time += 40;
    EXPECT_TRUE(timer.takeDueTick());

    timer.stop();
    clock.time += 1000;
    EXPECT_FALSE(timer.takeDueTick());
    EXPECT_FALSE(timer.millisecondsUntilDue().has_value());
}

TEST(FrameTimerTest, DeadlinesSurviveTheClockWrapping) {
    ManualClock clock;
    clock.time = 0xFFFFFFF0;
    Scene::FrameTimer timer(clock);
    timer.set(40);
    EXPECT_EQ(timer.millisecondsUntilDue(), 40u);
    clock.time += 39;
    EXPECT_FALSE(timer.takeDueTick());
    EXPECT_EQ(timer.millisecondsUntilDue(), 1u);
    clock.time += 1;
    EXPECT_TRUE(timer.takeDueTick());
}
