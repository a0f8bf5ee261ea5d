#include "saver/FramePacing.h"

#include <gtest/gtest.h>

TEST(FramePacingTest, IdleTimeKeepsTheWorkAtItsShare) {
    EXPECT_EQ(idleMilliseconds(12, 100), 0u);
    EXPECT_EQ(idleMilliseconds(12, 50), 12u);
    EXPECT_EQ(idleMilliseconds(12, 25), 36u);
    EXPECT_EQ(idleMilliseconds(10, 30), 23u); // 23.33 truncated
    EXPECT_EQ(idleMilliseconds(0, 10), 0u);
}

TEST(FramePacingTest, ShareOutsideOneToHundredIsClamped) {
    EXPECT_EQ(idleMilliseconds(5, 0), 495u);
    EXPECT_EQ(idleMilliseconds(5, -20), 495u);
    EXPECT_EQ(idleMilliseconds(5, 250), 0u);
}
