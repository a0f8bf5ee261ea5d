#include "saver/PreviewWindowImpl.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewPacingTest, WorkKeepsItsShareWithTheShareInSinglePrecision) {
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(12, 100), 0u);
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(12, 50), 12u);
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(12, 25), 36u);
    // 0.3 as a float lies just above 0.3, so 3 ms of work at 30 % wait 6.99999... ms.
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(3, 30), 6u);
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(0xFFFFFFFF, 100), 0u);
}

TEST(PreviewPacingTest, AShareOfZeroCountsAsOne) {
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(5, 0), 495u);
    EXPECT_EQ(PreviewWindowImpl::idleMilliseconds(5, 1), 495u);
}

} // namespace
