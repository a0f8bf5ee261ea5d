#include "sound/SoundSystem.h"

#include "app/TemporaryFolder.h"
#include "sound/BufferCaps.h"
#include "sound/OggVorbisFile.h"
#include "sound/ResourceStream.h"
#include "sound/SilentSoundBuffer.h"
#include "sound/SoundBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr uint32_t thunderFlags =
    Sound::DSBCAPS_CTRLPAN | Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_STATIC;

bool isSilent(const Sound::ISoundBuffer& buffer) {
    return dynamic_cast<const Sound::SilentSoundBuffer*>(&buffer) != nullptr;
}

std::vector<unsigned char> recordingBytes(int32_t id) {
    const Resources::Bytes bytes = Resources::findResource("RCDATA", id);
    return {bytes.begin(), bytes.end()};
}

Sound::Pcm decode(int32_t id) {
    Sound::ResourceStream stream(id);
    return Sound::OggVorbisFile(stream).decodeToPcm8();
}

// The largest step from one sample to the next within a channel, over the whole loop, and the
// step from the last frame back to the first.
struct Steps {
    int inside = 0;
    int seam = 0;
};

Steps stepsOf(const Sound::Pcm& pcm, int32_t channel) {
    Steps steps;
    const auto channels = static_cast<std::size_t>(pcm.channels);
    const std::size_t frames = pcm.frames();
    auto at = [&](std::size_t frame) { return int{pcm.samples[frame * channels + channel]}; };
    for (std::size_t i = 1; i < frames; ++i) {
        steps.inside = std::max(steps.inside, std::abs(at(i) - at(i - 1)));
    }
    steps.seam = std::abs(at(0) - at(frames - 1));
    return steps;
}

class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override { setVariable("SDL_AUDIODRIVER", "dummy"); }
};

TEST_F(SoundSystemTest, TheRainLoopIsStereoAndLoopsWithoutAClick) {
    const Sound::Pcm rain = decode(136);
    EXPECT_EQ(rain.channels, 2);
    EXPECT_EQ(rain.rate, 44100);
    EXPECT_GE(rain.frames(), 20u * 44100u);
    EXPECT_LE(rain.frames(), 30u * 44100u);
    for (int32_t channel = 0; channel < 2; ++channel) {
        const Steps steps = stepsOf(rain, channel);
        EXPECT_LE(steps.seam, steps.inside) << "channel " << channel;
    }
}

TEST_F(SoundSystemTest, TheSevenThunderClapsAreMonoAndDiffer) {
    std::vector<uint32_t> lengths;
    for (int32_t id = 137; id <= 143; ++id) {
        const Sound::Pcm clap = decode(id);
        EXPECT_EQ(clap.channels, 1) << id;
        EXPECT_EQ(clap.rate, 22050) << id;
        EXPECT_GE(clap.frames(), 4u * 22050u) << id;
        EXPECT_LE(clap.frames(), 10u * 22050u) << id;
        lengths.push_back(clap.frames());
    }
    std::ranges::sort(lengths);
    EXPECT_EQ(std::ranges::adjacent_find(lengths), lengths.end());
}

TEST_F(SoundSystemTest, ADamagedStreamGivesASilentBufferAndOneLine) {
    Sound::SoundSystem& sound = Sound::SoundSystem::create();
    if (!sound.isEnabled()) {
        GTEST_SKIP() << "no audio output";
    }
    const std::vector<unsigned char> garbage(300, 'x');
    Sound::ResourceStream stream{Resources::Bytes(garbage)};
    testing::internal::CaptureStderr();
    const auto buffer = sound.createBuffer(stream, thunderFlags, "sound 999");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(isSilent(*buffer));
    EXPECT_NE(message.find("sound 999 stays silent"), std::string::npos) << message;
    EXPECT_EQ(std::ranges::count(message, '\n'), 1) << message;
}

TEST_F(SoundSystemTest, DamagedDataInsideTheStreamGivesASilentBuffer) {
    Sound::SoundSystem& sound = Sound::SoundSystem::create();
    if (!sound.isEnabled()) {
        GTEST_SKIP() << "no audio output";
    }
    std::vector<unsigned char> bytes = recordingBytes(137);
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2),
              bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2 + 200), 0x55);
    Sound::ResourceStream stream{Resources::Bytes(bytes)};
    testing::internal::CaptureStderr();
    const auto buffer = sound.createBuffer(stream, thunderFlags, "sound 137");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(isSilent(*buffer));
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
}

TEST_F(SoundSystemTest, AMissingRecordingGivesASilentBufferAndOneLine) {
    Sound::SoundSystem& sound = Sound::SoundSystem::create();
    if (!sound.isEnabled()) {
        GTEST_SKIP() << "no audio output";
    }
    testing::internal::CaptureStderr();
    const auto buffer = sound.createBuffer(999, thunderFlags);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(isSilent(*buffer));
    EXPECT_NE(message.find("sound 999"), std::string::npos) << message;
}

TEST_F(SoundSystemTest, ABufferMadeWhileSoundIsOffStaysSilentAfterItIsSwitchedOn) {
    Sound::SoundSystem& sound = Sound::SoundSystem::create();
    if (!Sound::SoundSystem::available()) {
        GTEST_SKIP() << "no audio output";
    }
    EXPECT_TRUE(sound.isEnabled());
    sound.setEnabled(false);
    const auto madeWhileOff = sound.createBuffer(137, thunderFlags);
    sound.setEnabled(true);
    EXPECT_TRUE(isSilent(*madeWhileOff));
    const auto madeWhileOn = sound.createBuffer(137, thunderFlags);
    EXPECT_FALSE(isSilent(*madeWhileOn));
    EXPECT_NO_THROW(madeWhileOn->setPan(-1.0f));
}

TEST_F(SoundSystemTest, ANewInstanceReplacesTheEarlierOne) {
    Sound::SoundSystem& first = Sound::SoundSystem::create();
    EXPECT_EQ(Sound::SoundSystem::instance(), &first);
    first.setEnabled(false);
    Sound::SoundSystem& second = Sound::SoundSystem::create();
    EXPECT_EQ(Sound::SoundSystem::instance(), &second);
    EXPECT_EQ(second.isEnabled(), Sound::SoundSystem::available());
}

// Run in a fresh process: the audio output, once open, stays open for the process.
TEST_F(SoundSystemTest, WithoutAnAudioOutputSoundIsNotAvailableAndCannotBeSwitchedOn) {
#ifdef _WIN32
    // Wine chooses its audio driver as a process starts, from an environment the process cannot
    // change for the fresh one: where this process has an output, so will that one. The case is
    // also tested by backends_directx_without-audio_tests, which runs without Wine's drivers.
    if (Sound::SoundSystem::available()) {
        GTEST_SKIP() << "the fresh process would have the same audio output";
    }
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setVariable("SDL_AUDIODRIVER", "no-such-driver");
            Sound::SoundSystem& sound = Sound::SoundSystem::create();
            const bool offAtStart = !sound.isEnabled() && !Sound::SoundSystem::available();
            sound.setEnabled(true);
            const bool staysOff = !sound.isEnabled();
            const bool silent = isSilent(*sound.createBuffer(136, 0x82));
            std::exit(offAtStart && staysOff && silent ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
