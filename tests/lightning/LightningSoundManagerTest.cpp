#include "lightning/LightningSoundManager.h"

#include "platform/Rand15.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// Writes what is asked of clip number `number` into a shared log.
class LoggedClip final : public Sound::ISoundBuffer {
public:
    LoggedClip(int number, std::vector<std::string>& log) : number_(number), log_(log) {}
    void play() override { note("play"); }
    void stop() override { note("stop"); }
    void playLooping() override { note("playLooping"); }
    void setPan(float pan) override { note("pan " + std::to_string(pan)); }
    void setVolume(float volume) override { note("volume " + std::to_string(volume)); }
    void setFrequency(int32_t) override { note("frequency"); }
    void setPosition(uint32_t) override { note("position"); }

private:
    void note(const std::string& what) { log_.push_back(std::to_string(number_) + " " + what); }

    int number_;
    std::vector<std::string>& log_;
};

class LightningSoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override { seedRand15(7); }

    LightningSoundManager player() {
        std::vector<std::unique_ptr<Sound::ISoundBuffer>> clips;
        for (int i = 0; i < 7; ++i) {
            clips.push_back(std::make_unique<LoggedClip>(i, log));
        }
        return LightningSoundManager(std::move(clips));
    }

    // The clip numbers in the order they were played.
    std::vector<int> played() const {
        std::vector<int> numbers;
        for (const std::string& entry : log) {
            if (entry.ends_with(" play")) {
                numbers.push_back(std::stoi(entry));
            }
        }
        return numbers;
    }

    std::vector<std::string> log;
};

TEST_F(LightningSoundManagerTest, SetsPanAndVolumeBeforeItPlays) {
    LightningSoundManager thunder = player();
    thunder.setVolume(0.5f);
    thunder.playThunder(-0.25f);
    ASSERT_EQ(log.size(), 3u);
    const std::string clip = log[0].substr(0, 2);
    EXPECT_EQ(log[0], clip + "pan -0.250000");
    EXPECT_EQ(log[1], clip + "volume 0.500000");
    EXPECT_EQ(log[2], clip + "play");
}

TEST_F(LightningSoundManagerTest, EveryClipOnceInEachRoundOfSevenInAFreshOrder) {
    LightningSoundManager thunder = player();
    for (int i = 0; i < 21; ++i) {
        thunder.playThunder(0.0f);
    }
    const std::vector<int> order = played();
    ASSERT_EQ(order.size(), 21u);
    std::vector<std::vector<int>> rounds;
    for (std::size_t start = 0; start < order.size(); start += 7) {
        const std::vector<int> round(order.begin() + static_cast<std::ptrdiff_t>(start),
                                     order.begin() + static_cast<std::ptrdiff_t>(start + 7));
        EXPECT_EQ(std::set<int>(round.begin(), round.end()).size(), 7u) << "round " << start / 7;
        rounds.push_back(round);
    }
    EXPECT_FALSE(rounds[0] == rounds[1] && rounds[1] == rounds[2]);
}

TEST_F(LightningSoundManagerTest, WithoutASoundSystemTheClapsAreSilent) {
    LightningSoundManager thunder;
    thunder.setVolume(1.0f);
    for (int i = 0; i < 8; ++i) {
        thunder.playThunder(1.0f);
    }
}

} // namespace
