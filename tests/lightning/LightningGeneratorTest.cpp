#include "lightning/LightningGenerator.h"

#include "platform/Rand15.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace {

constexpr float pi = std::numbers::pi_v<float>;
constexpr int32_t drawMax = 32767;
// u = 0: every branching chance is taken, no kinks, no wobble, side branches turn by +0.1 pi.
constexpr int32_t alwaysBranch = 0;
// u ~ 0.5: no branching, no kinks, no wobble; the trunk heads straight down.
constexpr int32_t neutral = 16383;

class LightningGeneratorTest : public ::testing::Test {
protected:
    void TearDown() override { overrideRand15({}); }

    // Every draw returns `value` except those given by their position in the sequence.
    static void scriptDraws(int32_t value, std::map<int, int32_t> exceptions = {}) {
        overrideRand15([value, exceptions, index = 0]() mutable {
            const auto found = exceptions.find(index++);
            return found == exceptions.end() ? value : found->second;
        });
    }

    static LightningGeneratorParameters downFrom50(float limitY) {
        return LightningGeneratorParameters().setStart(PointF{50.0f, 0.0f}).setLimitY(limitY);
    }

    static const LightningBranch::Segments& segmentsOf(const Lightning& bolt, std::size_t branch) {
        return bolt.branches().at(branch)->segments();
    }

    // Every branch as its points and widths, in order.
    static std::vector<std::vector<float>> tracesOf(const Lightning& bolt) {
        std::vector<std::vector<float>> traces;
        for (const auto& branch : bolt.branches()) {
            auto& trace = traces.emplace_back();
            for (const auto& s : branch->segments()) {
                trace.insert(trace.end(),
                             {s->start().x, s->start().y, s->end().x, s->end().y, s->halfWidth()});
            }
        }
        return traces;
    }

    static std::unique_ptr<Lightning> boltFromSeed(uint32_t seed) {
        seedRand15(seed);
        return LightningGenerator(LightningGeneratorParameters()
                                      .setStart(PointF{320.0f, 0.0f})
                                      .setLimitY(600.0f)
                                      .setColour(0x00FFC0A0))
            .generate();
    }
};

class SteadyGenerator : public LightningGenerator {
public:
    using LightningGenerator::LightningGenerator;
    float deviation() override { return 0.0f; }
};

TEST_F(LightningGeneratorTest, HeadingIsFirstDrawMinusSecond) {
    const auto firstStepX = [&](int32_t first, int32_t second) {
        scriptDraws(drawMax, {{0, first}, {1, second}});
        return segmentsOf(*SteadyGenerator(downFrom50(1.0f)).generate(), 0)[0]->end().x;
    };
    EXPECT_NEAR(firstStepX(drawMax, 0), 50.0f - 20.0f * std::sqrt(0.5f), 1e-4f); // 3/4 pi
    EXPECT_NEAR(firstStepX(0, drawMax), 50.0f + 20.0f * std::sqrt(0.5f), 1e-4f); // 1/4 pi
}

TEST_F(LightningGeneratorTest, TurnsTowardMinusXStayWholeOthersAreHalved) {
    // Draws 0 and 1 leave the heading straight down.
    const auto deviationAfter = [](int32_t a, int32_t b, int32_t c) {
        scriptDraws(neutral, {{2, a}, {3, b}, {4, c}});
        return LightningGenerator(LightningGeneratorParameters()).deviation();
    };
    EXPECT_NEAR(deviationAfter(drawMax, drawMax, 0), 7.0f * pi / 12.0f, 1e-5f);
    EXPECT_NEAR(deviationAfter(drawMax, drawMax, drawMax), -7.0f * pi / 24.0f, 1e-5f);
    EXPECT_NEAR(deviationAfter(0, drawMax, 0), pi / 6.0f, 1e-6f);

    const auto branchAngleAfter = [](int32_t a, int32_t b) {
        scriptDraws(neutral, {{2, a}, {3, b}});
        return LightningGenerator(LightningGeneratorParameters()).branchAngle();
    };
    EXPECT_NEAR(branchAngleAfter(drawMax, 0), 0.4f * pi, 1e-6f);
    EXPECT_NEAR(branchAngleAfter(drawMax, drawMax), -0.2f * pi, 1e-6f);
}

TEST_F(LightningGeneratorTest, TrunkStopsAtFirstSegmentReachingLimitY) {
    scriptDraws(neutral);
    const auto bolt = LightningGenerator(downFrom50(70.0f)).generate();
    ASSERT_EQ(bolt->branches().size(), 1u);
    EXPECT_EQ(segmentsOf(*bolt, 0).size(), 4u);
    EXPECT_NEAR(segmentsOf(*bolt, 0).back()->end().y, 80.0f, 1e-4f);
    EXPECT_EQ(bolt->origin(), (PointF{50.0f, 0.0f}));
}

TEST_F(LightningGeneratorTest, SideBranchReachingLimitYStopsTrunkOneSegmentLater) {
    scriptDraws(neutral, {{6, alwaysBranch}}); // the trunk's second branching chance
    const auto bolt = LightningGenerator(downFrom50(70.0f)).generate();
    ASSERT_EQ(bolt->branches().size(), 2u);
    EXPECT_EQ(segmentsOf(*bolt, 0).size(), 2u);
    EXPECT_GE(segmentsOf(*bolt, 1).back()->end().y, 70.0f);
}

TEST_F(LightningGeneratorTest, EachLevelNarrowsAndShortensAndComesInPreOrder) {
    scriptDraws(alwaysBranch);
    const auto bolt = LightningGenerator(downFrom50(40.0f)).generate();
    ASSERT_EQ(bolt->branches().size(), 6u); // trunk, side branch, its four sub-branches
    const auto expectShape = [&](std::size_t branch, float width, float length) {
        for (const auto& segment : segmentsOf(*bolt, branch)) {
            EXPECT_NEAR(segment->halfWidth() * 2.0f, width, 1e-5f) << "branch " << branch;
            EXPECT_NEAR(segment->length(), length, 1e-3f) << "branch " << branch;
        }
    };
    expectShape(0, 6.0f, 20.0f);
    expectShape(1, 2.4f, 17.0f);
    EXPECT_EQ(segmentsOf(*bolt, 1).size(), 5u);
    for (std::size_t sub = 2; sub < 6; ++sub) {
        expectShape(sub, 0.96f, 14.45f);
        EXPECT_EQ(segmentsOf(*bolt, sub).size(), 5u);
        // Sub-branches leave their parent after its 1st, 2nd, 3rd and 4th segment.
        EXPECT_EQ(segmentsOf(*bolt, sub)[0]->start(), segmentsOf(*bolt, 1)[sub - 2]->end());
    }
}

TEST_F(LightningGeneratorTest, NoBranchingChanceGivesSingleTrunk) {
    seedRand15(7);
    auto parameters = downFrom50(400.0f);
    parameters.branchProbability = 0.0f;
    const auto bolt = LightningGenerator(parameters).generate();
    ASSERT_EQ(bolt->branches().size(), 1u);
    const auto& trunk = segmentsOf(*bolt, 0);
    for (std::size_t i = 0; i + 1 < trunk.size(); ++i) {
        EXPECT_LT(trunk[i]->end().y, 400.0f);
    }
    EXPECT_GE(trunk.back()->end().y, 400.0f);
}

TEST_F(LightningGeneratorTest, FullDrawIsNotBelowCertainBranchingChance) {
    scriptDraws(drawMax);
    auto parameters = downFrom50(100.0f);
    parameters.branchProbability = 1.0f;
    EXPECT_EQ(LightningGenerator(parameters).generate()->branches().size(), 1u);
}

TEST_F(LightningGeneratorTest, LimitAtOrAboveStartLeavesTrunkEmpty) {
    for (const float limitY : {0.0f, -5.0f}) {
        scriptDraws(alwaysBranch);
        const auto bolt = LightningGenerator(downFrom50(limitY)).generate();
        ASSERT_EQ(bolt->branches().size(), 1u);
        EXPECT_TRUE(bolt->branches()[0]->empty());
        EXPECT_THROW(bolt->origin(), std::out_of_range);
    }
}

TEST_F(LightningGeneratorTest, ZeroSegmentSideBranchesStayEmpty) {
    scriptDraws(alwaysBranch);
    auto parameters = downFrom50(100.0f);
    parameters.maxBranchSegments = 0;
    const auto bolt = LightningGenerator(parameters).generate();
    ASSERT_EQ(bolt->branches().size(), 5u); // a chance after each of the first four segments
    EXPECT_EQ(segmentsOf(*bolt, 0).size(), 5u);
    for (std::size_t branch = 1; branch < 5; ++branch) {
        EXPECT_TRUE(bolt->branches()[branch]->empty());
    }
}

TEST_F(LightningGeneratorTest, SameDrawsGiveIdenticalBolts) {
    const auto first = boltFromSeed(1234);
    ASSERT_GT(first->branches().size(), 2u);
    EXPECT_EQ(tracesOf(*first), tracesOf(*boltFromSeed(1234)));
    EXPECT_EQ(first->colour(), 0x00FFC0A0u);
}

} // namespace
