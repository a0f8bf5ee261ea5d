#include "lightning/LightningSegment.h"

#include <gtest/gtest.h>

namespace {

// A 3-4-5 segment, so every expected value is exact.
const LightningSegment diagonal(PointF{1.0f, 1.0f}, PointF{4.0f, 5.0f}, 4.0f);

TEST(LightningSegmentTest, MeasuresItself) {
    EXPECT_FLOAT_EQ(diagonal.length(), 5.0f);
    EXPECT_FLOAT_EQ(diagonal.halfWidth(), 2.0f);
    EXPECT_EQ(diagonal.normal(), (PointF{-0.8f, 0.6f}));
}

TEST(LightningSegmentTest, DistanceIsToNearestPointOfCentreLine) {
    EXPECT_FLOAT_EQ(diagonal.distanceTo(PointF{1.0f, -2.0f}), 3.0f); // before the start
    EXPECT_FLOAT_EQ(diagonal.distanceTo(PointF{7.0f, 9.0f}), 5.0f);  // beyond the end
    // Halfway along, two units out on either side.
    EXPECT_NEAR(diagonal.distanceTo(PointF{0.9f, 4.2f}), 2.0f, 1e-5f);
    EXPECT_NEAR(diagonal.distanceTo(PointF{4.1f, 1.8f}), 2.0f, 1e-5f);
}

} // namespace
