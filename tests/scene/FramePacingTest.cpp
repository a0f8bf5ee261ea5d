#include "scene/FramePacing.h"

#include <gtest/gtest.h>

TEST(FramePacingTest, IdleTimeKeepsTheWorkAtItsShare) {
    EXPECT_EQ(Scene::saverIdleMilliseconds(12, 100), 0u);
    EXPECT_EQ(Scene::saverIdleMilliseconds(12, 50), 12u);
    EXPECT_EQ(Scene::saverIdleMilliseconds(12, 25), 36u);
    EXPECT_EQ(Scene::saverIdleMilliseconds(10, 30), 23u); // 23.33 truncated
    EXPECT_EQ(Scene::saverIdleMilliseconds(0, 10), 0u);
}

TEST(FramePacingTest, ShareOutsideOneToHundredIsClamped) {
    EXPECT_EQ(Scene::saverIdleMilliseconds(5, 0), 495u);
    EXPECT_EQ(Scene::saverIdleMilliseconds(5, -20), 495u);
    EXPECT_EQ(Scene::saverIdleMilliseconds(5, 250), 0u);
}

TEST(FramePacingTest, WorkKeepsItsShareWithTheShareInSinglePrecision) {
    EXPECT_EQ(Scene::previewIdleMilliseconds(12, 100), 0u);
    EXPECT_EQ(Scene::previewIdleMilliseconds(12, 50), 12u);
    EXPECT_EQ(Scene::previewIdleMilliseconds(12, 25), 36u);
    // 0.3 as a float lies just above 0.3, so 3 ms of work at 30 % wait 6.99999... ms.
    EXPECT_EQ(Scene::previewIdleMilliseconds(3, 30), 6u);
    EXPECT_EQ(Scene::previewIdleMilliseconds(0xFFFFFFFF, 100), 0u);
}

TEST(FramePacingTest, AShareOfZeroCountsAsOne) {
    EXPECT_EQ(Scene::previewIdleMilliseconds(5, 0), 495u);
    EXPECT_EQ(Scene::previewIdleMilliseconds(5, 1), 495u);
}
