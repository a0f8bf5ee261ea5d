#include "rain/DropSystem.h"

#include "FakeDrawer.h"
#include "ScriptedRand15.h"
#include "rain/DropTuning.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int32_t H = ScriptedRand15::highest;
// A power of two, so that a spawn coordinate c comes from the draw c x 128.
constexpr int32_t side = 256;

class FakeClock final : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 0;
};

struct FakeOptions final : IDropSystemOptions {
    int32_t density() const override { return densityPercent; }
    int32_t windX() const override { return windToRight; }
    int32_t windY() const override { return windDown; }
    int32_t minRadius() const override { return smallestRadius; }
    int32_t radiusSpread() const override { return spread; }
    bool densityRampUp() const override { return rampUp; }
    int32_t speed() const override { return stepsPerSecond; }

    int32_t densityPercent = 50;
    // With the jitter draw 0 the arrival streak is 0: drops land where they spawn.
    int32_t windToRight = -20;
    int32_t windDown = -20;
    int32_t smallestRadius = 3;
    int32_t spread = 0;
    bool rampUp = false;
    int32_t stepsPerSecond = 50;
};

class RecordingListener final : public DropSystemListener {
public:
    explicit RecordingListener(std::vector<const RecordingListener*>& log) : log_(log) {}
    void dropSystemUpdated(IDropSystem& system) override {
        log_.push_back(this);
        lastSystem = &system;
    }
    IDropSystem* lastSystem = nullptr;

private:
    std::vector<const RecordingListener*>& log_;
};

class DropSystemTest : public ::testing::Test {
protected:
    void SetUp() override { setDropScale(8); }

    DropSystem& start(uint32_t at = 0) {
        clock.time = at;
        system = std::make_unique<DropSystem>(side, side, drawer, clock);
        system->applyOptions(options);
        return *system;
    }

    // Steps once whatever the pacing.
    void step() {
        clock.time += 1000;
        system->update();
    }

    // Seven seconds of frames at an uneven pace, with the ramp-up on: at each frame whether the
    // system stepped, and the density then in force. No drop spawns, so each step draws once.
    std::vector<std::pair<bool, float>> framesFrom(uint32_t startTime) {
        options.densityPercent = 5;
        options.rampUp = true;
        start(startTime);
        constexpr std::array<uint32_t, 4> gaps{7, 13, 40, 3};
        std::vector<std::pair<bool, float>> frames;
        for (uint32_t offset = 0, frame = 0; offset < 7000; ++frame) {
            offset += gaps[frame % gaps.size()];
            clock.time = startTime + offset;
            const int drawsBefore = draws.drawCount;
            system->update();
            frames.emplace_back(draws.drawCount != drawsBefore, system->rampElapsed());
        }
        return frames;
    }

    // One spawn round that succeeds with a drop at (x, y) under the default options.
    void scriptSpawnAt(int32_t x, int32_t y) { draws.add({0, 0, 0, 0, x * 128, y * 128}); }

    FakeDrawer drawer{side, side};
    FakeClock clock;
    FakeOptions options;
    ScriptedRand15 draws;
    std::unique_ptr<DropSystem> system;
};

TEST_F(DropSystemTest, RampUpSpawnsNothingInTheFirstSecondThenOneDensityStepPerSecond) {
    options.densityPercent = 30;
    options.rampUp = true;
    start();
    draws.fallback = 0; // every percent draw as low as it gets
    for (clock.time = 20; clock.time < 1000; clock.time += 20) {
        system->update();
    }
    EXPECT_EQ(system->dropCount(), 0u);
    EXPECT_GT(draws.drawCount, 0);
    draws.fallback = H;
    scriptSpawnAt(100, 100);
    clock.time = 1000;
    system->update();
    EXPECT_EQ(system->dropCount(), 1u);
}

TEST_F(DropSystemTest, DensityZeroNeverSpawns) {
    options.densityPercent = 0;
    start();
    draws.fallback = 0;
    for (int i = 0; i < 100; ++i) {
        step();
    }
    EXPECT_EQ(system->dropCount(), 0u);
}

TEST_F(DropSystemTest, SpawnsWhileTheDensityInForceExceedsThePercentDraw) {
    options.densityPercent = 30;
    start();
    draws.add({9830}); // percent 29
    draws.add({0, 0, 0, 0, 0});
    draws.add({9831}); // percent 30
    step();
    EXPECT_EQ(system->dropCount(), 1u);
}

TEST_F(DropSystemTest, RampElapsedCountsWholeSecondsUpToTheDensityAcrossAClockWrap) {
    options.densityPercent = 30;
    options.rampUp = true;
    const uint32_t startTime = 0xFFFFFFFFu - 499u;
    start(startTime);
    for (const auto& [after, expected] :
         {std::pair{999u, 0.0f}, std::pair{1000u, 1.0f}, std::pair{29999u, 29.0f},
          std::pair{30000u, 30.0f}, std::pair{90000u, 30.0f}}) {
        clock.time = startTime + after;
        EXPECT_EQ(system->rampElapsed(), expected) << after << " ms";
    }
    EXPECT_EQ(system->rampLength(), 30.0f);
    options.rampUp = false;
    system->applyOptions(options);
    clock.time = startTime;
    EXPECT_EQ(system->rampElapsed(), 30.0f);
}

TEST_F(DropSystemTest, StepsAndRampUpGoOnAlikeWhenTheClockWrapsOrCrossesHalfItsRange) {
    const auto reference = framesFrom(1000);
    const auto steps = std::count_if(reference.begin(), reference.end(),
                                     [](const auto& frame) { return frame.first; });
    EXPECT_GT(steps, 100);
    EXPECT_EQ(reference.back().second, 5.0f);
    // Wraps about three seconds in, with every placing of the frames around the wrap: a frame
    // just before it, or one that jumps across it together with the step time.
    for (uint32_t shift = 0; shift < 63; ++shift) {
        EXPECT_EQ(framesFrom(0xFFFFFFFFu - 2999u - shift), reference) << "shift " << shift;
    }
    EXPECT_EQ(framesFrom(0x80000000u - 3000u), reference);
}

TEST_F(DropSystemTest, StepsAtMostOncePerPeriodWithoutMakingUpMissedStepsAndTellsListenersInOrder) {
    std::vector<const RecordingListener*> log;
    RecordingListener first{log};
    RecordingListener second{log};
    start(1000); // the first period comes from the default speed of 30: 33 ms
    system->subscribe(first);
    system->subscribe(second);
    for (const auto& [time, steps] :
         {std::pair{1032u, 0u}, std::pair{1033u, 1u}, std::pair{1052u, 1u}, std::pair{1053u, 2u},
          std::pair{5000u, 3u}, std::pair{5000u, 3u}, std::pair{5019u, 3u}, std::pair{5020u, 4u}}) {
        clock.time = time;
        system->update();
        EXPECT_EQ(log.size(), 2 * steps) << "at " << time;
        EXPECT_EQ(draws.drawCount, static_cast<int>(steps)) << "at " << time;
    }
    EXPECT_EQ(log.at(0), &first);
    EXPECT_EQ(log.at(1), &second);
    EXPECT_EQ(first.lastSystem, system.get());
}

TEST_F(DropSystemTest, SpawnedDropStreaksAlongTheJitteredWindAndKeepsAtMostTheLargestRadius) {
    options.densityPercent = 30;
    options.windToRight = 50;
    options.windDown = -30;
    options.spread = 7;
    start();
    // Streak (50 + 20, max(-30 - 39 + 20, 0)), radius 3 + 6, at (-70, 128).
    draws.add({0, 0, H, H, 0, 16384});
    step();
    const auto tracks = drawer.stampsOf(TemplateKind::Track);
    ASSERT_EQ(tracks.size(), 70u + 1u);
    EXPECT_EQ((std::array{tracks[0].x, tracks[0].y, tracks[0].radius}), (std::array{-70, 128, 1}));
    EXPECT_EQ((std::array{tracks[69].x, tracks[69].y, tracks[69].radius}),
              (std::array{-1, 128, 8}));
    EXPECT_EQ(tracks[70].radius, 9);
    EXPECT_EQ(drawer.stampsOf(TemplateKind::Drop).at(0).radius, 8);
}

TEST_F(DropSystemTest, FindDropAtReturnsTheFirstHitInSpawnOrder) {
    start();
    scriptSpawnAt(100, 100);
    scriptSpawnAt(103, 100);
    step();
    ASSERT_EQ(system->dropCount(), 2u);
    const auto xOfDropAt = [this](int32_t px) {
        const Drop* drop = system->findDropAt(px, 100, 0);
        return drop != nullptr ? drop->x() : -1;
    };
    EXPECT_EQ(xOfDropAt(101), 100);
    EXPECT_EQ(xOfDropAt(106), 103); // touching counts
    EXPECT_EQ(xOfDropAt(107), -1);
    system->clear();
    EXPECT_EQ(system->dropCount(), 0u);
    EXPECT_EQ(system->findDropAt(101, 100, 0), nullptr);
}

TEST_F(DropSystemTest, FindDropAtSkipsADropThatLeftEarlierInTheSameStep) {
    options.smallestRadius = 8;
    drawer.wetEverywhere(); // drops run straight down at 1365
    start();
    scriptSpawnAt(100, 200);
    for (int i = 0; i < 12; ++i) {
        step();
    }
    const Drop* leaving = system->findDropAt(100, 263, 0);
    ASSERT_NE(leaving, nullptr);
    ASSERT_EQ(leaving->y(), 263);
    // The new drop lands above the leaving one; its probes reach where that one moves to.
    scriptSpawnAt(100, 255);
    step();
    ASSERT_EQ(system->dropCount(), 1u);
    const Drop* newcomer = system->findDropAt(100, 260, 0);
    ASSERT_NE(newcomer, nullptr);
    EXPECT_EQ(newcomer->mergeState(), Drop::MergeState::Free);
    EXPECT_EQ(newcomer->partner(), nullptr);
}

} // namespace
