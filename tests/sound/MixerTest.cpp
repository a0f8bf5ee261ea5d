#include "sound/Mixer.h"

#include "display/DX5Error.h"
#include "sound/BufferCaps.h"
#include "sound/SoundBuffer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using Sound::Pcm;
using Sound::SoundBuffer;

constexpr int32_t mixerRate = 8000;
constexpr uint32_t allControls =
    Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_CTRLPAN | Sound::DSBCAPS_CTRLFREQUENCY;

Pcm pcmOf(int32_t channels, int32_t rate, std::vector<uint8_t> samples) {
    return Pcm{channels, rate, std::move(samples)};
}

float valueOf(uint8_t sample) {
    return static_cast<float>(sample - 128) / 128.0f;
}

float gainOfHundredths(double hundredths) {
    return static_cast<float>(std::pow(10.0, hundredths / 2000.0));
}

class MixerTest : public ::testing::Test {
protected:
    std::vector<float> mix(uint32_t frames) {
        std::vector<float> out(2 * frames, 99.0f);
        mixer->mix(out.data(), frames);
        return out;
    }

    std::unique_ptr<SoundBuffer> buffer(Pcm pcm, uint32_t flags = allControls) {
        return std::make_unique<SoundBuffer>(mixer, std::move(pcm), flags);
    }

    std::shared_ptr<Sound::Mixer> mixer = std::make_shared<Sound::Mixer>(mixerRate);
};

TEST_F(MixerTest, NothingPlayingIsSilence) {
    auto idle = buffer(pcmOf(1, mixerRate, {255, 255}));
    for (const float sample : mix(16)) {
        EXPECT_EQ(sample, 0.0f);
    }
}

TEST_F(MixerTest, TwoVoicesAddWithTheirOwnPanAndVolume) {
    std::vector<uint8_t> stereo;
    std::vector<uint8_t> mono;
    for (int i = 0; i < 64; ++i) {
        stereo.push_back(static_cast<uint8_t>(128 + i));
        stereo.push_back(static_cast<uint8_t>(128 - i));
        mono.push_back(static_cast<uint8_t>(100 + i));
    }
    auto rain = buffer(pcmOf(2, mixerRate, stereo));
    rain->setVolume(0.5f); // -20 dB on both channels
    rain->setPan(0.5f);    // a further -50 dB on the left only
    rain->playLooping();
    auto thunder = buffer(pcmOf(1, mixerRate, mono));
    thunder->setPan(-0.25f); // -25 dB on the right only, at full volume
    thunder->play();

    const std::vector<float> out = mix(64);
    const float rainLeft = gainOfHundredths(-7000);
    const float rainRight = gainOfHundredths(-2000);
    const float thunderRight = gainOfHundredths(-2500);
    for (std::size_t i = 0; i < 64; ++i) {
        const float expectedLeft = valueOf(stereo[2 * i]) * rainLeft + valueOf(mono[i]);
        const float expectedRight =
            valueOf(stereo[2 * i + 1]) * rainRight + valueOf(mono[i]) * thunderRight;
        EXPECT_NEAR(out[2 * i], expectedLeft, 1e-5f) << "frame " << i;
        EXPECT_NEAR(out[2 * i + 1], expectedRight, 1e-5f) << "frame " << i;
    }
}

TEST_F(MixerTest, ALowerRateIsInterpolatedAndAOneShotStopsAtItsEndWoundBack) {
    auto clap = buffer(pcmOf(1, mixerRate / 2, {128, 192, 128, 64}));
    clap->play();
    const std::vector<float> out = mix(10);
    const float expected[] = {0.0f, 0.25f, 0.5f, 0.25f, 0.0f, -0.25f, -0.5f, -0.5f, 0.0f, 0.0f};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_FLOAT_EQ(out[2 * i], expected[i]) << "frame " << i;
        EXPECT_FLOAT_EQ(out[2 * i + 1], expected[i]) << "frame " << i;
    }
    EXPECT_FALSE(clap->isPlaying());
    clap->play();
    EXPECT_FLOAT_EQ(mix(2)[2], 0.25f);
}

TEST_F(MixerTest, ALoopGoesOnPastItsEnd) {
    auto loop = buffer(pcmOf(1, mixerRate, {128, 192, 64}));
    loop->playLooping();
    const std::vector<float> out = mix(7);
    const float expected[] = {0.0f, 0.5f, -0.5f, 0.0f, 0.5f, -0.5f, 0.0f};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_FLOAT_EQ(out[2 * i], expected[i]) << "frame " << i;
    }
    EXPECT_TRUE(loop->isPlaying());
}

TEST_F(MixerTest, TheSumSaturatesAtFullScale) {
    auto first = buffer(pcmOf(2, mixerRate, {255, 0, 255, 0}));
    auto second = buffer(pcmOf(2, mixerRate, {255, 0, 255, 0}));
    first->play();
    second->play();
    const std::vector<float> out = mix(2);
    EXPECT_EQ(out[0], 1.0f);
    EXPECT_EQ(out[1], -1.0f);
}

TEST_F(MixerTest, ALevelChangeWhilePlayingGlidesOverOnePeriod) {
    auto steady = buffer(pcmOf(1, mixerRate, std::vector<uint8_t>(400, 192)));
    steady->playLooping();
    EXPECT_FLOAT_EQ(mix(100)[0], 0.5f);
    steady->setVolume(0.5f);
    const std::vector<float> glide = mix(100);
    EXPECT_GT(glide[0], 0.45f);
    EXPECT_NEAR(glide[198], 0.05f, 1e-5f);
    for (std::size_t i = 2; i < glide.size(); i += 2) {
        EXPECT_LE(glide[i], glide[i - 2]);
    }
    EXPECT_NEAR(mix(100)[0], 0.05f, 1e-5f);
}

TEST_F(MixerTest, StopHoldsThePositionAndPlayGoesOnFromIt) {
    auto clip = buffer(pcmOf(1, mixerRate, {128, 160, 192, 224}));
    clip->play();
    mix(2);
    clip->stop();
    EXPECT_EQ(mix(1)[0], 0.0f);
    clip->play();
    EXPECT_FLOAT_EQ(mix(1)[0], 0.5f);
}

TEST_F(MixerTest, FrequencyAndPositionMoveThroughTheRecording) {
    auto clip = buffer(pcmOf(2, mixerRate, {128, 128, 144, 144, 160, 160, 176, 176, 192, 192}));
    clip->setFrequency(2 * mixerRate);
    clip->setPosition(2); // the second frame
    clip->play();
    const std::vector<float> out = mix(2);
    EXPECT_FLOAT_EQ(out[0], 0.125f);
    EXPECT_FLOAT_EQ(out[2], 0.375f);
    clip->setFrequency(0);
    clip->setPosition(0);
    const std::vector<float> original = mix(2);
    EXPECT_FLOAT_EQ(original[2], 0.125f);
}

TEST_F(MixerTest, ControlsTheBufferWasNotMadeForFailAsTheLayerDid) {
    auto rain =
        buffer(pcmOf(2, mixerRate, {128, 128}), Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_STATIC);
    rain->setVolume(0.3f);
    try {
        rain->setPan(0.5f);
        FAIL() << "a pan without the pan control";
    } catch (const DX5::Error& error) {
        EXPECT_EQ(error.code(), Sound::DSERR_CONTROLUNAVAIL);
    }
    EXPECT_THROW(rain->setFrequency(22050), DX5::Error);
}

TEST_F(MixerTest, OutOfRangeFrequencyAndPositionAreInvalid) {
    auto clip = buffer(pcmOf(1, mixerRate, {128, 128, 128}));
    for (const int32_t hertz : {99, 100001, -5}) {
        try {
            clip->setFrequency(hertz);
            FAIL() << hertz << " Hz";
        } catch (const DX5::Error& error) {
            EXPECT_EQ(error.code(), Sound::DSERR_INVALIDPARAM);
        }
    }
    EXPECT_THROW(clip->setPosition(3), DX5::Error);
    EXPECT_NO_THROW(clip->setPosition(2));
}

TEST_F(MixerTest, AVoiceLeavesTheMixWithItsBuffer) {
    auto clip = buffer(pcmOf(1, mixerRate, {255, 255, 255}));
    clip->playLooping();
    clip.reset();
    EXPECT_EQ(mix(1)[0], 0.0f);
}

} // namespace
