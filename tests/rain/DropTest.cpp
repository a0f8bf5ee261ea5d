#include "rain/Drop.h"

#include "FakeDrawer.h"
#include "ScriptedRand15.h"
#include "rain/DropTuning.h"
#include "rain/IDropSystem.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int32_t H = ScriptedRand15::highest;
constexpr int32_t width = 100;
constexpr int32_t height = 100;

// Finds drops in the order the test lists them, as the real system does in spawn order.
class FakeDropSystem final : public IDropSystem {
public:
    Drop* findDropAt(int32_t px, int32_t py, int32_t pr) override {
        queries.push_back({px, py, pr});
        for (Drop* drop : drops) {
            if (drop->hits(px, py, pr)) {
                return drop;
            }
        }
        return nullptr;
    }
    float rampElapsed() const override { return 0.0f; }
    float rampLength() const override { return 0.0f; }

    std::vector<Drop*> drops;
    std::vector<std::array<int32_t, 3>> queries;
};

int32_t squaredDistance(const Drop& a, const Drop& b) {
    const int32_t dx = a.x() - b.x();
    const int32_t dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

class DropTest : public ::testing::Test {
protected:
    void SetUp() override { setDropScale(8); }

    bool step(Drop& drop) { return drop.update(width, height, system); }

    FakeDrawer drawer{width, height};
    FakeDropSystem system;
    ScriptedRand15 draws;
};

TEST_F(DropTest, LandingDrawsAStreakWideningFromRadiusOneAndRestsAtItsLastPoint) {
    // Negative positions truncate toward zero: -4.5 is stamped at -4.
    const std::array cases{
        std::pair{std::array{4, 2, 50, 50, 5},
                  std::vector<std::array<int32_t, 3>>{
                      {50, 50, 1}, {51, 50, 2}, {52, 51, 3}, {53, 51, 4}}},
        std::pair{std::array{2, 1, -5, -5, 5},
                  std::vector<std::array<int32_t, 3>>{{-5, -5, 1}, {-4, -4, 3}}},
        std::pair{std::array{2, 3, -5, -5, 5},
                  std::vector<std::array<int32_t, 3>>{{-5, -5, 1}, {-4, -4, 2}, {-3, -3, 3}}},
    };
    for (const auto& [spawn, streak] : cases) {
        FakeDrawer map{width, height};
        Drop drop{spawn[0], spawn[1], spawn[2], spawn[3], spawn[4], map};
        drop.update(width, height, system);
        ASSERT_GT(map.stamps.size(), streak.size());
        for (std::size_t k = 0; k < streak.size(); ++k) {
            const FakeDrawer::Stamp& stamp = map.stamps[k];
            EXPECT_EQ((std::array{stamp.x, stamp.y, stamp.radius}), streak[k]) << "point " << k;
            EXPECT_EQ(stamp.kind, TemplateKind::Track);
            EXPECT_EQ(stamp.stretch, 0);
            EXPECT_FALSE(stamp.blend);
            EXPECT_EQ(map.dirtyRects.at(k), stamp.covered);
        }
        // The first step goes on from the end of the streak.
        EXPECT_EQ(map.stamps[streak.size()].x, streak.back()[0]);
        EXPECT_EQ(map.stamps[streak.size()].y, streak.back()[1]);
    }
}

TEST_F(DropTest, RadiusOneOrTwoNeverMovesByItselfEvenWhenEveryChanceSucceeds) {
    draws.fallback = 0;
    for (const bool wet : {false, true}) {
        for (const int32_t radius : {1, 2}) {
            FakeDrawer map{width, height};
            if (wet) {
                map.wetEverywhere();
            }
            Drop drop{0, 0, 50, 50, radius, map};
            for (int i = 0; i < 20; ++i) {
                drop.update(width, height, system);
            }
            EXPECT_EQ((std::array{drop.x(), drop.y(), drop.velocityX(), drop.velocityY()}),
                      (std::array{50, 50, 0, 0}))
                << "radius " << radius << (wet ? " on wet glass" : " on dry glass");
        }
    }
}

struct StartCase {
    int32_t radius;
    std::vector<int32_t> draws; // wobble percent, then the start draws
    int32_t expectedSpeed;
};

class DropStartTest : public DropTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(DropStartTest, RestingDropOnDryGlassStartsWithTheDrawnSpeedScaledByRadius) {
    const StartCase& c = GetParam();
    for (const int32_t draw : c.draws) {
        draws.add({draw});
    }
    Drop drop{0, 0, 50, 20, c.radius, drawer};
    step(drop);
    EXPECT_EQ(drop.velocityY(), c.expectedSpeed);
    EXPECT_EQ(draws.drawCount, static_cast<int>(c.draws.size()));
}

// A percent draw of 3276 is 9, 3277 is 10; 1310 is 3, 1311 is 4.
INSTANTIATE_TEST_SUITE_P(
    DropSlowAndFastRanges, DropStartTest,
    ::testing::Values(StartCase{8, {H, 0, 0}, 265}, StartCase{8, {H, 0, H}, 76},
                      StartCase{8, {H, H, 0, 0}, 682}, StartCase{8, {H, H, 0, H}, 343},
                      StartCase{4, {H, 0, 0}, 132}, StartCase{4, {H, 0, H}, 38},
                      StartCase{4, {H, H, 0, 0}, 341}, StartCase{4, {H, H, 0, H}, 171},
                      StartCase{8, {H, 3276, 0}, 265}, StartCase{8, {H, H, 1310, 0}, 682},
                      StartCase{8, {H, 3277, 1311}, 0}));

TEST_F(DropTest, SlidingOnDryGlassBrakesBy85EachStepAndStopsBelow10) {
    // 14832 makes the slow start 265 - 86.
    for (const auto& [startDraw, speeds] : {std::pair{0, std::vector{265, 180, 95, 10, 0}},
                                            std::pair{14832, std::vector{179, 94, 0}}}) {
        Drop drop{0, 0, 50, 20, 8, drawer};
        draws.add({H, 0, startDraw});
        for (const int32_t speed : speeds) {
            step(drop);
            EXPECT_EQ(drop.velocityY(), speed) << "start draw " << startDraw;
        }
    }
}

TEST_F(DropTest, WetGlassBelowSetsTheWetSpeedScaledByRadiusOrUpTo99PercentMore) {
    // wobble percent, chance of a faster run, how much faster (16384 is 50 %).
    const std::array cases{std::pair{4, std::pair{std::vector{H, H}, 682}},
                           std::pair{8, std::pair{std::vector{H, H}, 1365}},
                           std::pair{4, std::pair{std::vector{H, 0, 16384}, 1023}},
                           std::pair{8, std::pair{std::vector{H, 0, H}, 2716}}};
    for (const auto& [radius, script] : cases) {
        FakeDrawer map{width, height};
        map.setHeight(50, 20 + 2 * radius + 2, 1);
        for (const int32_t draw : script.first) {
            draws.add({draw});
        }
        Drop drop{0, 0, 50, 20, radius, map};
        drop.update(width, height, system);
        EXPECT_EQ(drop.velocityY(), script.second) << "radius " << radius;
    }
}

TEST_F(DropTest, RunningOffAWetPathFallsBackToASlowStartAndBrakes) {
    drawer.setHeight(50, 38, 1);
    Drop drop{0, 0, 50, 20, 8, drawer};
    step(drop);
    ASSERT_EQ(drop.velocityY(), 1365);
    draws.add({H, 0});
    step(drop);
    EXPECT_EQ(drop.velocityY(), 265 - 85);
}

TEST_F(DropTest, IsPulledSidewaysTowardWetGlassOnOneSideOnly) {
    for (const auto& [leftWet, rightWet, expectedVx] :
         {std::tuple{true, false, -170}, std::tuple{false, true, 170}, std::tuple{true, true, 0}}) {
        FakeDrawer map{width, height};
        map.setHeight(50, 60, 1);
        map.setHeight(44, 56, leftWet ? 1 : 0);
        map.setHeight(56, 56, rightWet ? 1 : 0);
        Drop drop{0, 0, 50, 50, 4, map};
        drop.update(width, height, system);
        EXPECT_EQ(drop.velocityX(), expectedVx) << leftWet << rightWet;
        // One rectangle covers the erased footprint and the body on the side it moved to.
        const DirtyRect erased = map.stamps.at(0).covered;
        const DirtyRect body = map.stamps.at(1).covered;
        const DirtyRect expected =
            drop.x() < 50 ? DirtyRect{body.left, body.bottom, erased.right, erased.top}
                          : DirtyRect{erased.left, body.bottom, body.right, erased.top};
        EXPECT_EQ(map.dirtyRects, std::vector{expected}) << leftWet << rightWet;
    }
}

TEST_F(DropTest, WobblesOnlyOnceMoreThanItsRadiusBelowWhereItLandedAndHoldsTheSway) {
    drawer.wetEverywhere();
    Drop drop{0, 0, 50, 20, 8, drawer};
    // Each step: wobble percent (while the countdown is out), then the wet speed percent.
    draws.add({0, H, 0, H});
    step(drop); // slid 0 rows
    step(drop); // slid 5 rows
    EXPECT_EQ(drop.velocityX(), 0);
    EXPECT_EQ(draws.drawCount, 4);
    draws.add({0, H, 16384, H}); // sway 170 - 339, countdown 7
    step(drop);                  // slid 10 rows
    EXPECT_EQ(drop.velocityX(), -169);
    for (int i = 0; i < 7; ++i) {
        step(drop);
    }
    EXPECT_EQ(drop.velocityX(), -169);
    EXPECT_EQ(draws.drawCount, 8 + 7);
    step(drop);
    EXPECT_EQ(drop.velocityX(), 0);
    EXPECT_EQ(draws.drawCount, 8 + 7 + 2);
}

struct MergeCase {
    int32_t upperRadius;
    int32_t upperY;
    int32_t lowerRadius;
    int32_t lowerY;
    int32_t grownRadius;
};

class DropMergeTest : public DropTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(DropMergeTest, UpperDropGlidesInUntilWithinAQuarterOfBothRadiiAndIsAbsorbed) {
    const MergeCase& c = GetParam();
    Drop lower{0, 0, 50, c.lowerY, c.lowerRadius, drawer};
    Drop upper{0, 0, 50, c.upperY, c.upperRadius, drawer};
    system.drops = {&lower, &upper};
    const int32_t reach = (c.upperRadius + c.lowerRadius) / 4;
    bool absorbed = false;
    for (int i = 0; i < 100 && !absorbed; ++i) {
        ASSERT_TRUE(step(lower));
        absorbed = !step(upper);
        if (!absorbed) {
            ASSERT_EQ(upper.mergeState(), Drop::MergeState::Gliding);
            ASSERT_EQ(upper.partner(), &lower);
            ASSERT_EQ(lower.mergeState(), Drop::MergeState::GlidedInto);
            ASSERT_GT(squaredDistance(upper, lower), reach * reach);
        }
    }
    ASSERT_TRUE(absorbed);
    EXPECT_LE(squaredDistance(upper, lower), reach * reach);
    EXPECT_EQ(lower.radius(), c.grownRadius);
    EXPECT_EQ(lower.mergeState(), Drop::MergeState::Free);
    EXPECT_EQ(lower.partner(), nullptr);
    EXPECT_EQ(upper.mergeState(), Drop::MergeState::Free);
    EXPECT_EQ(upper.partner(), nullptr);
    // The absorbed drop's last trace is its footprint turned to trail.
    EXPECT_EQ(drawer.stamps.back().kind, TemplateKind::Track);
    EXPECT_EQ(drawer.dirtyRects.back(), drawer.stamps.back().covered);
}

INSTANTIATE_TEST_SUITE_P(DropGrowsToLargerRadiusPlusOneAtMostEight, DropMergeTest,
                         ::testing::Values(MergeCase{2, 40, 5, 50, 6}, MergeCase{4, 30, 5, 50, 6},
                                           MergeCase{6, 25, 3, 45, 7}, MergeCase{8, 20, 8, 50, 8}));

TEST_F(DropTest, ProbesForMergesRightLeftThenBelowJustOutsideItsFootprint) {
    Drop drop{0, 0, 50, 50, 4, drawer};
    step(drop);
    EXPECT_EQ(system.queries,
              (std::vector<std::array<int32_t, 3>>{{57, 54, 4}, {43, 54, 4}, {50, 63, 4}}));
}

// Each of these would start a glide if its rule were missing.
TEST_F(DropTest, NoMergeStartsWithADropNotLandedYetOnAnotherDropsBodyOrWithABusyDrop) {
    Drop lower{0, 0, 50, 50, 5, drawer};
    Drop upper{0, 0, 50, 30, 4, drawer};
    system.drops = {&lower, &upper};
    step(upper); // lower has not landed
    EXPECT_EQ(upper.mergeState(), Drop::MergeState::Free);

    drawer.setHeight(50, 30 + 2 * 4 + 5, 2); // upper's probe below is on a body
    step(lower);
    step(upper);
    EXPECT_EQ(upper.mergeState(), Drop::MergeState::Free);

    drawer.setHeight(50, 43, 0);
    step(lower);
    step(upper);
    ASSERT_EQ(upper.partner(), &lower);
    Drop third{0, 0, 60, 25, 4, drawer}; // its left probe lands on upper
    system.drops.push_back(&third);
    step(third);
    EXPECT_EQ(third.mergeState(), Drop::MergeState::Free);
}

TEST_F(DropTest, GlidingDropNeverMovesByItsOwnVelocity) {
    Drop lower{0, 0, 50, 50, 8, drawer};
    Drop upper{0, 0, 50, 20, 8, drawer};
    system.drops = {&lower, &upper};
    draws.add({H, H, H});    // lower stays at rest
    draws.add({H, H, 0, 0}); // upper starts fast at 682
    step(lower);
    step(upper);
    ASSERT_EQ(upper.mergeState(), Drop::MergeState::Gliding);
    EXPECT_EQ(upper.velocityY(), 682);
    EXPECT_EQ(upper.y(), 26); // a fifth of the gap of 30; with its velocity 28
    step(lower);
    step(upper);
    EXPECT_EQ(upper.velocityY(), 682 - 85);
    EXPECT_EQ(upper.y(), 30); // with its velocity 33
}

TEST_F(DropTest, PartnerRunningOffThePictureEndsTheMergeOnBothSides) {
    // The border counts as wet, so the lower drop runs at 1365 and leaves in its third step.
    Drop lower{0, 0, 50, 98, 8, drawer};
    Drop upper{0, 0, 50, 80, 4, drawer};
    system.drops = {&lower, &upper};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(step(lower));
        ASSERT_TRUE(step(upper));
    }
    ASSERT_EQ(upper.mergeState(), Drop::MergeState::Gliding);
    const std::size_t stampsBefore = drawer.stamps.size();
    EXPECT_FALSE(step(lower));
    EXPECT_EQ(upper.mergeState(), Drop::MergeState::Free);
    EXPECT_EQ(upper.partner(), nullptr);
    EXPECT_EQ(lower.mergeState(), Drop::MergeState::Free);
    EXPECT_EQ(lower.partner(), nullptr);
    // Only the footprint it erased is reported for the drop that left.
    EXPECT_EQ(drawer.stamps.size(), stampsBefore + 1);
    EXPECT_EQ(drawer.dirtyRects.back(), drawer.stamps.back().covered);
}

TEST_F(DropTest, LeavesOnlyWhenMoreThanItsRadiusPastTheEdgeReportingJustItsErasedFootprint) {
    for (const auto& [x, inside] : {std::pair{width + 4, true}, std::pair{width + 5, false},
                                    std::pair{-4, true}, std::pair{-5, false}}) {
        FakeDrawer map{width, height};
        map.wetEverywhere(); // no sideways pull
        Drop drop{0, 0, x, 50, 4, map};
        EXPECT_EQ(drop.update(width, height, system), inside) << "x " << x;
        EXPECT_EQ(map.stampsOf(TemplateKind::Drop).size(), inside ? 1u : 0u);
        if (!inside) {
            EXPECT_EQ(map.dirtyRects,
                      std::vector{map.stampsOf(TemplateKind::Track).back().covered});
        }
    }
}

TEST_F(DropTest, BodyPulledPastTheEdgeReportsOnlyItsErasedFootprint) {
    // Dry glass on the left, the border counting as trail on the right: pulled off to the right.
    Drop drop{0, 0, width + 3, 50, 4, drawer};
    ASSERT_TRUE(step(drop));
    ASSERT_EQ(drop.x(), width + 3);
    ASSERT_TRUE(step(drop));
    ASSERT_EQ(drop.x(), width + 4); // still inside, but its body is wholly off the picture
    const DirtyRect erased = drawer.stampsOf(TemplateKind::Track).back().covered;
    ASSERT_EQ(erased.left, width - 1);
    EXPECT_EQ(drawer.stampsOf(TemplateKind::Drop).back().covered, (DirtyRect{0, 0, 0, 0}));
    EXPECT_EQ(drawer.dirtyRects.back(), erased);
}

} // namespace
