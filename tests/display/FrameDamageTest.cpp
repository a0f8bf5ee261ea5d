#include "display/FrameDamage.h"

#include <algorithm>
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

// The merging as first written: every rectangle compared with every other, one at a time.
class PlainDamage {
public:
    PlainDamage(int32_t width, int32_t height, int64_t slack)
        : width_(width), height_(height), slack_(slack) {}

    void add(const PixelRect& area) {
        const PixelRect inside{std::max(area.left, 0), std::max(area.top, 0),
                               std::min(area.right, width_), std::min(area.bottom, height_)};
        if (inside.isEmpty()) {
            return;
        }
        for (std::size_t k = rects_.size(); k-- > 0;) {
            if (worthMerging(rects_[k], inside)) {
                PixelRect grown = unionOf(rects_[k], inside);
                std::size_t index = k;
                for (std::size_t j = 0; j < rects_.size(); ++j) {
                    if (j != index && worthMerging(rects_[j], grown)) {
                        grown = unionOf(rects_[j], grown);
                        rects_[j] = rects_.back();
                        rects_.pop_back();
                        if (index == rects_.size()) {
                            index = j;
                        }
                        j = static_cast<std::size_t>(-1);
                    }
                }
                rects_[index] = grown;
                return;
            }
        }
        rects_.push_back(inside);
    }
    const std::vector<PixelRect>& rects() const { return rects_; }

private:
    static PixelRect unionOf(const PixelRect& a, const PixelRect& b) {
        return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
    }
    bool worthMerging(const PixelRect& a, const PixelRect& b) const {
        const PixelRect meet{std::max(a.left, b.left), std::max(a.top, b.top),
                             std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
        const PixelRect both = unionOf(a, b);
        const int64_t overlap = meet.isEmpty() ? 0 : int64_t{meet.width()} * meet.height();
        return int64_t{both.width()} * both.height() - int64_t{a.width()} * a.height() -
                   int64_t{b.width()} * b.height() + overlap <=
               slack_;
    }

    int32_t width_;
    int32_t height_;
    int64_t slack_;
    std::vector<PixelRect> rects_;
};

// The search that skips distant rectangles must choose the same partners, in the same order, as
// comparing with every one: rain-sized rectangles, several slacks, and a frame too wide for it.
TEST(FrameDamageTest, MergesAsComparingWithEveryRectangleWould) {
    struct Frame {
        int32_t width;
        int32_t height;
        int64_t slack;
    };
    for (const Frame frame :
         {Frame{1920, 1080, FrameDamage::defaultMergeSlack}, Frame{640, 480, 0},
          Frame{800, 600, 40000}, Frame{40000, 300, FrameDamage::defaultMergeSlack}}) {
        std::mt19937 random(11);
        std::uniform_int_distribution<int32_t> x(-30, frame.width + 30);
        std::uniform_int_distribution<int32_t> y(-30, frame.height + 30);
        std::uniform_int_distribution<int32_t> side(1, 40);
        std::uniform_int_distribution<int32_t> step(-6, 6);
        for (int round = 0; round < 20; ++round) {
            FrameDamage damage(frame.width, frame.height, frame.slack);
            PlainDamage plain(frame.width, frame.height, frame.slack);
            // Drops report a few rectangles each, close together.
            for (int drop = 0; drop < 150; ++drop) {
                int32_t left = x(random);
                int32_t top = y(random);
                for (int part = 0; part < 3; ++part) {
                    const PixelRect rect{left, top, left + side(random), top + side(random)};
                    damage.add(rect);
                    plain.add(rect);
                    left += step(random);
                    top += step(random);
                }
            }
            ASSERT_EQ(rectsOf(damage), plain.rects())
                << frame.width << "x" << frame.height << " round " << round;
        }
    }
}

} // namespace
