#include "scene/ResetSchedule.h"

#include <gtest/gtest.h>
#include <vector>

TEST(ResetScheduleTest, DueOnlyAfterThePeriodAndOnlyWhenEnabled) {
    const Scene::ResetSchedule schedule(true, 60, 1000);
    EXPECT_FALSE(schedule.isDue(61000));
    EXPECT_TRUE(schedule.isDue(61001));
    EXPECT_FALSE(Scene::ResetSchedule(false, 60, 1000).isDue(500000));
}

TEST(ResetScheduleTest, OneResetPerFrameWhileBehind) {
    Scene::ResetSchedule schedule(true, 60, 0);
    const uint32_t now = 200000; // three periods and a bit late
    int resets = 0;
    for (int frame = 0; frame < 10; ++frame) {
        if (schedule.isDue(now)) {
            schedule.advance();
            ++resets;
        }
    }
    EXPECT_EQ(resets, 3);
    EXPECT_EQ(schedule.nextResetTime(), 240000u); // advanced from the due time, not from now
}

TEST(ResetScheduleTest, FiresOncePerPeriodWhenTheClockWrapsOrCrossesHalfItsRange) {
    for (const uint32_t start : {1000u, 0xFFFFFFFFu - 2999u, 0x80000000u - 3000u}) {
        Scene::ResetSchedule schedule(true, 1, start);
        std::vector<uint32_t> resetsAt;
        for (uint32_t offset = 10; offset <= 5500; offset += 10) {
            if (schedule.isDue(start + offset)) {
                schedule.advance();
                resetsAt.push_back(offset);
            }
        }
        EXPECT_EQ(resetsAt, (std::vector<uint32_t>{1010, 2010, 3010, 4010, 5010})) << start;
    }
}

TEST(ResetScheduleTest, PeriodsBeyondWhatTheClockCanTellAreNotDueEarly) {
    constexpr uint32_t start = 1000;
    constexpr uint32_t day = 86400000;
    const Scene::ResetSchedule month(true, 30 * 86400, start);
    EXPECT_FALSE(month.isDue(start + 10));
    EXPECT_FALSE(month.isDue(start + 24 * day));
    EXPECT_TRUE(month.isDue(start + 25 * day)); // as late as the clock can wait
    // Fifty days in milliseconds would wrap 32 bits to about seven hours.
    EXPECT_FALSE(Scene::ResetSchedule(true, 50 * 86400, start).isDue(start + day / 3));
}
