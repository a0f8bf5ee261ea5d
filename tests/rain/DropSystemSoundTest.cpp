#include "rain/DropSystemSound.h"

#include "FakeDrawer.h"
#include "rain/DropSystem.h"
#include "rain/DropTuning.h"
#include "sound/Attenuation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t side = 64;
constexpr float rainVolume = 0.6f;

class StoppedClock final : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 0;
};

struct RampOptions final : IDropSystemOptions {
    int32_t density() const override { return densityPercent; }
    int32_t windX() const override { return 0; }
    int32_t windY() const override { return 0; }
    int32_t minRadius() const override { return 3; }
    int32_t radiusSpread() const override { return 1; }
    bool densityRampUp() const override { return rampUp; }
    int32_t speed() const override { return 30; }

    int32_t densityPercent = 30;
    bool rampUp = true;
};

// Remembers what the rain sound asked of its buffer.
class BufferLog final : public Sound::ISoundBuffer {
public:
    explicit BufferLog(std::vector<std::string>& calls, std::vector<float>& volumes)
        : calls_(calls), volumes_(volumes) {}
    void play() override { calls_.push_back("play"); }
    void stop() override { calls_.push_back("stop"); }
    void playLooping() override { calls_.push_back("playLooping"); }
    void setPan(float) override { calls_.push_back("setPan"); }
    void setVolume(float volume) override {
        calls_.push_back("setVolume");
        volumes_.push_back(volume);
    }
    void setFrequency(int32_t) override { calls_.push_back("setFrequency"); }
    void setPosition(uint32_t) override { calls_.push_back("setPosition"); }

private:
    std::vector<std::string>& calls_;
    std::vector<float>& volumes_;
};

class DropSystemSoundTest : public ::testing::Test {
protected:
    void SetUp() override { setDropScale(8); }

    void start() {
        system = std::make_unique<DropSystem>(side, side, drawer, clock);
        system->applyOptions(options);
        sound = std::make_unique<DropSystemSound>(*system, rainVolume,
                                                  std::make_unique<BufferLog>(calls, volumes));
    }

    // Moves the clock to the given second and lets the system step.
    void stepAt(uint32_t milliseconds) {
        clock.time = milliseconds;
        system->update();
    }

    FakeDrawer drawer{side, side};
    StoppedClock clock;
    RampOptions options;
    std::unique_ptr<DropSystem> system;
    std::unique_ptr<DropSystemSound> sound;
    std::vector<std::string> calls;
    std::vector<float> volumes;
};

TEST_F(DropSystemSoundTest, SetsTheLevelBeforeItStartsTheLoop) {
    start();
    EXPECT_EQ(calls, (std::vector<std::string>{"setVolume", "playLooping"}));
}

TEST_F(DropSystemSoundTest, WithoutRampUpTheRainHasItsVolumeFromTheStart) {
    options.rampUp = false;
    start();
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume);
    stepAt(100);
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume);
}

TEST_F(DropSystemSoundTest, SwellsWithTheDensityRamp) {
    start();
    EXPECT_EQ(volumes.back(), 0.0f);
    stepAt(900);
    EXPECT_EQ(volumes.back(), 0.0f);
    stepAt(1000);
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume / 30.0f);
    stepAt(15500);
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume * 15.0f / 30.0f);
    stepAt(30000);
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume);
    stepAt(90000);
    EXPECT_FLOAT_EQ(volumes.back(), rainVolume);
}

TEST_F(DropSystemSoundTest, ACallThatDoesNotStepLeavesTheLevelAlone) {
    start();
    stepAt(2000);
    const std::size_t made = volumes.size();
    stepAt(2001);
    EXPECT_EQ(volumes.size(), made);
}

TEST_F(DropSystemSoundTest, NoDensityIsSilence) {
    options.densityPercent = 0;
    start();
    stepAt(5000);
    EXPECT_TRUE(std::isnan(volumes.back()));
    EXPECT_EQ(Sound::volumeHundredths(volumes.back()), -10000);
}

TEST_F(DropSystemSoundTest, WithoutASoundSystemTheRainIsSilentAndTheDropsRunOn) {
    system = std::make_unique<DropSystem>(side, side, drawer, clock);
    system->applyOptions(options);
    DropSystemSound silent(*system, rainVolume);
    stepAt(5000);
    EXPECT_GE(system->rampElapsed(), 5.0f);
}

} // namespace
