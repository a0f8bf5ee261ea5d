#include "rain/Surface.h"

#include "rain/DropTemplate.h"
#include "rain/TrackTemplate.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<MapPixel> contentsOf(const Surface& map) {
    std::vector<MapPixel> pixels;
    for (int32_t y = 0; y < map.height(); ++y) {
        for (int32_t x = 0; x < map.width(); ++x) {
            pixels.push_back(map.pixel(x, y));
        }
    }
    return pixels;
}

class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest() : drop(3, 0), track(3, 0), map(20, 12) {
        drop.generate();
        track.generate();
    }

    DropTemplate drop;
    TrackTemplate track;
    Surface map;
};

} // namespace

TEST_F(SurfaceTest, StampWhollyOutsideWritesNothing) {
    const std::vector<MapPixel> before = contentsOf(map);
    EXPECT_EQ(map.stamp(-3, 5, drop, StampMode::Overwrite), (DirtyRect{0, 0, 0, 0}));
    EXPECT_EQ(map.stamp(5, 15, drop, StampMode::Blend), (DirtyRect{0, 0, 0, 0}));
    EXPECT_EQ(contentsOf(map), before);
}

TEST_F(SurfaceTest, StampOnTheCornerIsClippedToTheMap) {
    const DirtyRect covered = map.stamp(0, 0, drop, StampMode::Overwrite);
    EXPECT_EQ(covered, (DirtyRect{0, 2, 2, 0}));
    // Map (0, 0) takes template pixel (3, 3), the drop's peak.
    EXPECT_EQ(map.pixel(0, 0), drop.pixel(3, 3));
    EXPECT_EQ(map.pixel(2, 2), drop.pixel(5, 5));
    EXPECT_EQ(map.heightAt(3, 0), 0);
    EXPECT_EQ(map.heightAt(0, 3), 0);
}

TEST_F(SurfaceTest, StampAtTheFarCornerStopsAtTheLastPixel) {
    const DirtyRect covered = map.stamp(19, 11, drop, StampMode::Overwrite);
    EXPECT_EQ(covered, (DirtyRect{16, 11, 19, 8}));
}

TEST_F(SurfaceTest, OverwriteKeepsTrailUnderEmptyTemplatePixels) {
    map.stamp(10, 6, track, StampMode::Overwrite);
    EXPECT_EQ(map.pixel(8, 4), (MapPixel{1, 0, 0, 1}));
    // Drop template row 1, column 1 is empty (height 0), so map (8, 4) must keep its trail.
    map.stamp(10, 6, drop, StampMode::Overwrite);
    EXPECT_EQ(map.pixel(8, 4), (MapPixel{1, 0, 0, 1}));
    EXPECT_EQ(map.pixel(10, 6), drop.pixel(3, 3));
}

TEST_F(SurfaceTest, BlendKeepsTheHigherWaterAndMixesNormals) {
    map.pixel(10, 6) = MapPixel{5, 10, -20, 40};
    map.pixel(9, 6) = MapPixel{1, 0, 0, 1};
    map.stamp(10, 6, drop, StampMode::Blend);
    // Template height 3 is lower than 5: untouched, normal included.
    EXPECT_EQ(map.pixel(10, 6), (MapPixel{5, 10, -20, 40}));
    // Template (2, 3) is (2, 53, 0, 34) over a trail (1, 0, 0, 1).
    EXPECT_EQ(map.pixel(9, 6), (MapPixel{2, 26, 0, 17}));
}

TEST_F(SurfaceTest, BlendMixesNegativeNormalsTowardZero) {
    map.pixel(11, 6) = MapPixel{2, -1, 0, 1};
    map.stamp(10, 6, drop, StampMode::Blend);
    // Template (4, 3) is (2, -54, 0, 34): (-1 + -54) / 2 truncates to -27.
    EXPECT_EQ(map.pixel(11, 6), (MapPixel{2, -27, 0, 17}));
}

TEST_F(SurfaceTest, ClearDriesEverything) {
    map.stamp(10, 6, drop, StampMode::Overwrite);
    map.clear();
    EXPECT_EQ(contentsOf(map), std::vector<MapPixel>(20 * 12, MapPixel{0, 0, 0, 0}));
}
