#include "rain/DropTemplate.h"
#include "rain/TrackTemplate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> heightsOf(const SurfaceTemplate& pattern) {
    std::vector<int> heights;
    for (int32_t row = 0; row < pattern.height(); ++row) {
        for (int32_t column = 0; column < pattern.width(); ++column) {
            heights.push_back(pattern.pixel(column, row).height);
        }
    }
    return heights;
}

// The lens formula's l for a template pixel, computed independently in double precision.
bool lensCovers(int32_t r, int32_t s, int32_t column, int32_t row) {
    const float k = static_cast<float>(static_cast<double>(r) / (r + s));
    const float e = static_cast<float>(row - r / static_cast<double>(k));
    const double vertical = e > 0 ? double(e) * e : (double(e) * k) * (double(e) * k);
    const int32_t dx = column - r;
    return r * r - dx * dx - vertical > 0;
}

} // namespace

TEST(DropTemplateTest, RadiusThreeHeightsMatchTheLensProfile) {
    DropTemplate drop(3, 0);
    drop.generate();
    const std::vector<int> expected{0, 0, 0, 0, 0, 0, //
                                    0, 0, 1, 1, 1, 0, //
                                    0, 1, 2, 2, 2, 1, //
                                    0, 2, 2, 3, 2, 2, //
                                    0, 2, 2, 2, 2, 2, //
                                    0, 1, 2, 2, 2, 1};
    EXPECT_EQ(heightsOf(drop), expected);
}

TEST(DropTemplateTest, RadiusThreeCentreRowNormals) {
    DropTemplate drop(3, 0);
    drop.generate();
    const std::vector<MapPixel> expected{{0, 63, 0, 3}, {2, 48, 36, 19}, {2, 53, 0, 34},
                                         {3, 0, 0, 64}, {2, -54, 0, 34}, {2, 0, 53, 34}};
    for (int32_t column = 0; column < 6; ++column) {
        const MapPixel& p = drop.pixel(column, 3);
        EXPECT_EQ(p, expected[static_cast<std::size_t>(column)])
            << "column " << column << ": (" << int(p.height) << ", " << int(p.normalX) << ", "
            << int(p.normalY) << ", " << int(p.normalZ) << ")";
    }
}

TEST(DropTemplateTest, RadiusOneIsTwoByTwoWithOneWetPixel) {
    DropTemplate drop(1, 0);
    drop.generate();
    ASSERT_EQ(drop.width(), 2);
    ASSERT_EQ(drop.height(), 2);
    EXPECT_EQ(heightsOf(drop), (std::vector<int>{0, 0, 0, 1}));
}

TEST(DropTemplateTest, GeneratingTwiceChangesNothing) {
    DropTemplate drop(5, 3);
    drop.generate();
    const std::vector<int> first = heightsOf(drop);
    const MapPixel sample = drop.pixel(4, 6);
    drop.generate();
    EXPECT_EQ(heightsOf(drop), first);
    EXPECT_EQ(drop.pixel(4, 6), sample);
}

TEST(DropTemplateTest, EveryNormalFacesTheViewerAndStaysWithinRange) {
    for (int32_t r = 1; r <= 10; ++r) {
        for (int32_t s = 0; s <= r; ++s) {
            DropTemplate drop(r, s);
            drop.generate();
            EXPECT_EQ(drop.height(), 2 * r + s);
            EXPECT_EQ(drop.centreRow(), r + s);
            for (int32_t row = 0; row < drop.height(); ++row) {
                for (int32_t column = 0; column < drop.width(); ++column) {
                    const MapPixel& p = drop.pixel(column, row);
                    ASSERT_GT(p.normalZ, 0) << r << "," << s << " at " << column << "," << row;
                    ASSERT_LE(std::abs(p.normalX), 64);
                    ASSERT_LE(std::abs(p.normalY), 64);
                    ASSERT_LE(p.height, r);
                }
            }
        }
    }
}

TEST(TrackTemplateTest, FootprintIsOneUnitWhereverTheLensHasWater) {
    for (int32_t r = 1; r <= 10; ++r) {
        for (int32_t s = 0; s <= r; ++s) {
            TrackTemplate track(r, s);
            track.generate();
            for (int32_t row = 1; row < track.height(); ++row) {
                for (int32_t column = 0; column < track.width(); ++column) {
                    // Row 0's tip pixel may round either way.
                    EXPECT_EQ(track.pixel(column, row).height,
                              lensCovers(r, s, column, row) ? 1 : 0)
                        << r << "," << s << " at " << column << "," << row;
                }
            }
        }
    }
}

TEST(TrackTemplateTest, RadiusThreeIsWiderThanItsDropsVisibleWater) {
    TrackTemplate track(3, 0);
    track.generate();
    const std::vector<int> expected{0, 0, 0, 0, 0, 0, //
                                    0, 1, 1, 1, 1, 1, //
                                    0, 1, 1, 1, 1, 1, //
                                    0, 1, 1, 1, 1, 1, //
                                    0, 1, 1, 1, 1, 1, //
                                    0, 1, 1, 1, 1, 1};
    EXPECT_EQ(heightsOf(track), expected);
}

TEST(SurfaceTemplateTest, PlacementPutsTheTailAboveTheCentre) {
    DropTemplate drop(4, 2);
    const DirtyRect placed = drop.placement(10, 20);
    EXPECT_EQ(placed, (DirtyRect{6, 23, 13, 14}));
}
