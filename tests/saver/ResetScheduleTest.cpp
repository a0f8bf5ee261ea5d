#include "saver/ResetSchedule.h"

#include <gtest/gtest.h>

TEST(ResetScheduleTest, DueOnlyAfterThePeriodAndOnlyWhenEnabled) {
    const ResetSchedule schedule(true, 60, 1000);
    EXPECT_FALSE(schedule.isDue(61000));
    EXPECT_TRUE(schedule.isDue(61001));
    EXPECT_FALSE(ResetSchedule(false, 60, 1000).isDue(500000));
}

TEST(ResetScheduleTest, OneResetPerFrameWhileBehind) {
    ResetSchedule schedule(true, 60, 0);
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
