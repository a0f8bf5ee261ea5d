// The grid that finds drops by position must change nothing about the rain: the same seed gives
// the same frames whichever way drops are looked up.
#include "platform/Rand15.h"
#include "rain/Drawer.h"
#include "rain/DropGrid.h"
#include "rain/DropSystem.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string_view>
#include <utility>
#include <vector>

namespace {

class SteppedClock final : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 0;
};

// The options a new user starts with, with the ramp-up, so that the run sees the glass fill.
struct NewUserOptions final : IDropSystemOptions {
    int32_t density() const override { return 25; }
    int32_t windX() const override { return 85; }
    int32_t windY() const override { return 85; }
    int32_t minRadius() const override { return 4; }
    int32_t radiusSpread() const override { return 4; }
    bool densityRampUp() const override { return true; }
    int32_t speed() const override { return 30; }
};

// A digest of one frame: the rectangles the step changed and the pixels in them. Every other
// pixel is as it was after the frame before, so equal digests from equal starts mean equal
// frames.
struct FrameDigest {
    std::vector<Pixels::PixelRect> rects;
    std::size_t pixelHash = 0;
    std::size_t drops = 0;
    bool operator==(const FrameDigest&) const = default;
};

class RainRun {
public:
    static constexpr int32_t width = 1920;
    static constexpr int32_t height = 1080;
    static constexpr int32_t pitch = width * 4;

    explicit RainRun(DropSystem::Lookup lookup)
        : background_(pixelCount()), frame_(pixelCount()), drawer_(width, height, 10),
          drops_(width, height, drawer_, clock_) {
        for (std::size_t i = 0; i < background_.size(); ++i) {
            background_[i] = static_cast<uint8_t>(i * 7 / 5);
        }
        frame_ = background_;
        drops_.applyOptions(options_);
        drops_.setLookup(lookup);
    }

    FrameDigest step() {
        clock_.time += 1000 / 30;
        drops_.update();
        FrameDigest digest{drawer_.dirtyRects(), 0, drops_.dropCount()};
        drawer_.draw(desc(frame_), desc(background_));
        for (const Pixels::PixelRect& rect : digest.rects) {
            digest.pixelHash = digest.pixelHash * 31 + hashOf(rect);
        }
        return digest;
    }

    const std::vector<uint8_t>& frame() const { return frame_; }

private:
    static std::size_t pixelCount() { return static_cast<std::size_t>(pitch) * height; }
    static PixelBufferDesc desc(std::vector<uint8_t>& pixels) {
        return {32, pitch, width, height, pixels.data()};
    }

    std::size_t hashOf(const Pixels::PixelRect& rect) const {
        const int32_t left = std::max(rect.left, 0);
        const int32_t right = std::min(rect.right, width) - 1;
        std::size_t hash = 0;
        for (int32_t y = std::max(rect.top, 0); y < std::min(rect.bottom, height); ++y) {
            if (left > right) {
                break;
            }
            const auto* row = reinterpret_cast<const char*>(frame_.data()) +
                              static_cast<std::ptrdiff_t>(y) * pitch + left * 4;
            hash = hash * 131 + std::hash<std::string_view>{}(std::string_view(
                                    row, static_cast<std::size_t>(right - left + 1) * 4));
        }
        return hash;
    }

    SteppedClock clock_;
    NewUserOptions options_;
    std::vector<uint8_t> background_;
    std::vector<uint8_t> frame_;
    Drawer drawer_;
    DropSystem drops_;
};

void startSameRain() {
    seedRand15(20261207);
    setNextRandomState(0);
    setDropScale(8);
    setRendererPixelFormat(0xFF0000, 0xFF00, 0xFF);
}

TEST(DropLookupTest, GridAndListSearchGiveTheSameFramesStepForStep) {
    constexpr int32_t steps = 2000;
    std::vector<FrameDigest> listed;
    listed.reserve(steps);
    startSameRain();
    RainRun byList(DropSystem::Lookup::List);
    for (int32_t i = 0; i < steps; ++i) {
        listed.push_back(byList.step());
    }

    startSameRain();
    RainRun byGrid(DropSystem::Lookup::Grid);
    std::size_t mostDrops = 0;
    for (int32_t i = 0; i < steps; ++i) {
        const FrameDigest digest = byGrid.step();
        ASSERT_EQ(digest, listed[static_cast<std::size_t>(i)]) << "step " << i;
        mostDrops = std::max(mostDrops, digest.drops);
    }
    EXPECT_TRUE(byGrid.frame() == byList.frame());
    // Enough drops met for merges and probes of every kind to have happened.
    EXPECT_GT(mostDrops, 100u);
}

TEST(DropGridTest, FindsDropsOffThePictureAndFollowsMovesAndRemovals) {
    DropGrid grid(100, 60, 10);
    grid.insert(0, -40, 5);   // far left of the picture
    grid.insert(1, 250, 200); // past the bottom right corner
    grid.insert(2, 55, 35);
    const auto near = [&](int32_t x, int32_t y, int32_t reach) {
        std::vector<uint32_t> found;
        grid.forEachNear(x, y, reach,
                         [&](const DropGrid::Entry& entry) { found.push_back(entry.index); });
        std::sort(found.begin(), found.end());
        return found;
    };
    EXPECT_EQ(near(-35, 5, 6), std::vector<uint32_t>{0});
    EXPECT_EQ(near(99, 59, 3), std::vector<uint32_t>{1});
    EXPECT_EQ(near(55, 35, 1), std::vector<uint32_t>{2});

    grid.move(2, 55, 35, 5, 5);
    EXPECT_TRUE(near(55, 35, 1).empty());
    EXPECT_EQ(near(5, 5, 1), (std::vector<uint32_t>{0, 2}));

    grid.remove(0, -40, 5);
    EXPECT_EQ(near(5, 5, 1), std::vector<uint32_t>{2});

    // A move within the cell keeps the drop there, at its new centre.
    grid.move(2, 5, 5, 8, 3);
    std::vector<std::pair<int32_t, int32_t>> centres;
    grid.forEachNear(5, 5, 1,
                     [&](const DropGrid::Entry& entry) { centres.emplace_back(entry.x, entry.y); });
    EXPECT_EQ(centres, (std::vector<std::pair<int32_t, int32_t>>{{8, 3}}));
    grid.clear();
    EXPECT_TRUE(near(5, 5, 1000).empty());

    // Cells emptied by clearing or by a removal take drops again.
    grid.insert(3, 5, 5);
    grid.remove(3, 5, 5);
    EXPECT_TRUE(near(5, 5, 1).empty());
    grid.insert(4, 6, 6);
    grid.move(4, 6, 6, 55, 35);
    grid.insert(5, 56, 36);
    grid.remove(4, 55, 35);
    EXPECT_TRUE(near(5, 5, 1).empty());
    EXPECT_EQ(near(55, 35, 1), std::vector<uint32_t>{5});

    // A crowded cell: drops beyond the first few are kept too, and any of them can leave.
    for (uint32_t index = 10; index < 16; ++index) {
        grid.insert(index, 71 + static_cast<int32_t>(index) - 10, 12);
    }
    grid.remove(11, 72, 12);
    grid.move(14, 75, 12, 79, 19);
    grid.remove(15, 76, 12);
    grid.remove(10, 71, 12);
    EXPECT_EQ(near(75, 15, 1), (std::vector<uint32_t>{12, 13, 14}));
    grid.move(13, 74, 12, 5, 5);
    EXPECT_EQ(near(75, 15, 1), (std::vector<uint32_t>{12, 14}));
}

} // namespace
