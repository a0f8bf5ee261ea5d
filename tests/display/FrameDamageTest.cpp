#include "display/FrameDamage.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Pixels::FrameDamage;
using Pixels::PixelRect;

std::vector<PixelRect> rectsOf(const FrameDamage& damage) {
    return {damage.rects().begin(), damage.rects().end()};
}

TEST(FrameDamageTest, NeighboursMergeWhileDistantRectanglesStayApart) {
    FrameDamage damage(1000, 1000, 100);
    damage.add({10, 10, 30, 30});
    damage.add({20, 20, 40, 40}); // overlaps: the union adds 2 x 10 x 10 = 200 > 100 pixels...
    EXPECT_EQ(damage.rects().size(), 2u);

    FrameDamage generous(1000, 1000, 200);
    generous.add({10, 10, 30, 30});
    generous.add({20, 20, 40, 40}); // ...which a slack of 200 allows
    EXPECT_EQ(rectsOf(generous), (std::vector<PixelRect>{{10, 10, 40, 40}}));

    generous.add({500, 500, 510, 510});
    EXPECT_EQ(generous.rects().size(), 2u);
    // A rectangle inside another adds nothing.
    generous.add({12, 12, 15, 15});
    EXPECT_EQ(generous.rects().size(), 2u);
}

TEST(FrameDamageTest, ARectangleThatBridgesTwoOthersFoldsThemIntoOne) {
    FrameDamage damage(1000, 1000, 0);
    damage.add({0, 0, 10, 10});
    damage.add({20, 0, 30, 10});
    ASSERT_EQ(damage.rects().size(), 2u);
    damage.add({10, 0, 20, 10});
    EXPECT_EQ(rectsOf(damage), (std::vector<PixelRect>{{0, 0, 30, 10}}));
}

TEST(FrameDamageTest, RectanglesAreClippedToTheFrameAndTheWholeFrameSwallowsTheRest) {
    FrameDamage damage(100, 50);
    damage.add({-20, -20, 5, 5});
    damage.add({90, 40, 300, 300});
    damage.add({200, 0, 300, 10}); // wholly outside
    damage.add({30, 30, 30, 40});  // empty
    ASSERT_EQ(damage.rects().size(), 2u);
    EXPECT_EQ(damage.rects()[0], (PixelRect{0, 0, 5, 5}));
    EXPECT_EQ(damage.rects()[1], (PixelRect{90, 40, 100, 50}));
    EXPECT_FALSE(damage.coversWholeFrame());

    damage.addWholeFrame();
    damage.add({1, 1, 2, 2});
    EXPECT_TRUE(damage.coversWholeFrame());
    EXPECT_EQ(rectsOf(damage), (std::vector<PixelRect>{{0, 0, 100, 50}}));

    damage.clear();
    EXPECT_TRUE(damage.isEmpty());
    EXPECT_FALSE(damage.coversWholeFrame());
}

// Whatever merges, every changed pixel must still reach the screen.
TEST(FrameDamageTest, EveryReportedPixelIsCoveredAfterMerging) {
    constexpr int32_t width = 160;
    constexpr int32_t height = 90;
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> x(-10, width + 10);
    std::uniform_int_distribution<int32_t> y(-10, height + 10);
    std::uniform_int_distribution<int32_t> side(1, 25);
    for (int round = 0; round < 50; ++round) {
        FrameDamage damage(width, height, 64);
        std::vector<bool> changed(width * height, false);
        for (int k = 0; k < 60; ++k) {
            const int32_t left = x(random);
            const int32_t top = y(random);
            const PixelRect rect{left, top, left + side(random), top + side(random)};
            damage.add(rect);
            for (int32_t py = std::max(rect.top, 0); py < std::min(rect.bottom, height); ++py) {
                for (int32_t px = std::max(rect.left, 0); px < std::min(rect.right, width); ++px) {
                    changed[py * width + px] = true;
                }
            }
        }
        std::vector<bool> covered(width * height, false);
        for (const PixelRect& rect : damage.rects()) {
            ASSERT_GE(rect.left, 0);
            ASSERT_GE(rect.top, 0);
            ASSERT_LE(rect.right, width);
            ASSERT_LE(rect.bottom, height);
            for (int32_t py = rect.top; py < rect.bottom; ++py) {
                for (int32_t px = rect.left; px < rect.right; ++px) {
                    covered[py * width + px] = true;
                }
            }
        }
        for (int32_t i = 0; i < width * height; ++i) {
            ASSERT_TRUE(!changed[i] || covered[i]) << "round " << round << " pixel " << i;
        }
    }
}

} // namespace
