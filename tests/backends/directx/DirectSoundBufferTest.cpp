#include "backends/directx/DirectSoundBuffer.h"

#include "backends/directx/DirectSoundApi.h"
#include "display/DX5Error.h"
#include "sound/OggVorbisFile.h"
#include "sound/ResourceStream.h"
#include "sound/SilentSoundBuffer.h"
#include "sound/SoundSystem.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

constexpr uint32_t rainFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_STATIC;
constexpr uint32_t thunderFlags = DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_STATIC;
constexpr int32_t rain = 136;
constexpr int32_t firstThunder = 137;
constexpr int32_t lastThunder = 143;

Sound::Pcm decode(int32_t id) {
    Sound::ResourceStream stream(id);
    return Sound::OggVorbisFile(stream).decodeToPcm8();
}

WAVEFORMATEX formatOf(IDirectSoundBuffer& buffer) {
    WAVEFORMATEX format{};
    EXPECT_EQ(buffer.GetFormat(&format, sizeof(format), nullptr), DS_OK);
    return format;
}

DSBCAPS capsOf(IDirectSoundBuffer& buffer) {
    DSBCAPS caps{};
    caps.dwSize = sizeof(caps);
    EXPECT_EQ(buffer.GetCaps(&caps), DS_OK);
    return caps;
}

DWORD statusOf(IDirectSoundBuffer& buffer) {
    DWORD status = 0;
    EXPECT_EQ(buffer.GetStatus(&status), DS_OK);
    return status;
}

LONG volumeOf(IDirectSoundBuffer& buffer) {
    LONG volume = 1;
    EXPECT_EQ(buffer.GetVolume(&volume), DS_OK);
    return volume;
}

LONG panOf(IDirectSoundBuffer& buffer) {
    LONG pan = 1;
    EXPECT_EQ(buffer.GetPan(&pan), DS_OK);
    return pan;
}

int32_t failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const DX5::Error& error) {
        return error.code();
    }
    return 0;
}

// Runs where DirectSound has an output to play to: under Wine, ALSA's null device, which the
// test's home names.
class DirectSoundBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        sound = &Sound::SoundSystem::create();
        ASSERT_TRUE(sound->isEnabled()) << "DirectSound found no audio output";
    }

    std::unique_ptr<Sound::ISoundBuffer> make(int32_t id, uint32_t flags) {
        return sound->createBuffer(id, flags);
    }

    static IDirectSoundBuffer& objectOf(const std::unique_ptr<Sound::ISoundBuffer>& buffer) {
        const auto* made = dynamic_cast<const DSound::DirectSoundBuffer*>(buffer.get());
        if (made == nullptr) {
            throw std::logic_error("not a DirectSound buffer");
        }
        return *made->object();
    }

    Sound::SoundSystem* sound = nullptr;
};

TEST_F(DirectSoundBufferTest, TheRainIsAStereoBufferOfTheWholeRecordingAtItsOwnRate) {
    const auto buffer = make(rain, rainFlags);
    IDirectSoundBuffer& object = objectOf(buffer);
    const WAVEFORMATEX format = formatOf(object);
    EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(format.nChannels, 2);
    EXPECT_EQ(format.nSamplesPerSec, 44100u);
    EXPECT_EQ(format.wBitsPerSample, 8);
    EXPECT_EQ(format.nBlockAlign, 2);
    EXPECT_EQ(format.nAvgBytesPerSec, 2u * 44100u);
    const DSBCAPS caps = capsOf(object);
    EXPECT_EQ(caps.dwBufferBytes, decode(rain).samples.size());
    EXPECT_EQ(caps.dwFlags & rainFlags, rainFlags);
    EXPECT_EQ(caps.dwFlags & DSBCAPS_CTRLPAN, 0u);
}

TEST_F(DirectSoundBufferTest, EveryThunderClapIsAMonoBufferOfTheWholeRecording) {
    for (int32_t id = firstThunder; id <= lastThunder; ++id) {
        const auto buffer = make(id, thunderFlags);
        IDirectSoundBuffer& object = objectOf(buffer);
        const WAVEFORMATEX format = formatOf(object);
        EXPECT_EQ(format.nChannels, 1) << id;
        EXPECT_EQ(format.nSamplesPerSec, 22050u) << id;
        EXPECT_EQ(format.wBitsPerSample, 8) << id;
        EXPECT_EQ(format.nBlockAlign, 1) << id;
        EXPECT_EQ(format.nAvgBytesPerSec, 22050u) << id;
        const DSBCAPS caps = capsOf(object);
        EXPECT_EQ(caps.dwBufferBytes, decode(id).samples.size()) << id;
        EXPECT_EQ(caps.dwFlags & thunderFlags, thunderFlags) << id;
    }
}

TEST_F(DirectSoundBufferTest, TheBufferHoldsTheDecodedSamples) {
    const auto buffer = make(firstThunder, thunderFlags);
    IDirectSoundBuffer& object = objectOf(buffer);
    const Sound::Pcm pcm = decode(firstThunder);
    void* first = nullptr;
    DWORD firstBytes = 0;
    void* second = nullptr;
    DWORD secondBytes = 0;
    ASSERT_EQ(object.Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER),
              DS_OK);
    ASSERT_EQ(firstBytes, pcm.samples.size());
    EXPECT_EQ(std::memcmp(first, pcm.samples.data(), firstBytes), 0);
    EXPECT_EQ(object.Unlock(first, firstBytes, second, secondBytes), DS_OK);
}

TEST_F(DirectSoundBufferTest, TheVolumeReachesDirectSoundInHundredthsOfADecibel) {
    const auto buffer = make(firstThunder, thunderFlags);
    IDirectSoundBuffer& object = objectOf(buffer);
    buffer->setVolume(0.5f);
    EXPECT_EQ(volumeOf(object), -2000);
    buffer->setVolume(1.0f);
    EXPECT_EQ(volumeOf(object), 0);
    buffer->setVolume(0.0f);
    EXPECT_EQ(volumeOf(object), -10000);
    buffer->setVolume(0.5f);
    buffer->setVolume(-0.25f);
    EXPECT_EQ(volumeOf(object), -10000);
}

TEST_F(DirectSoundBufferTest, ThePanReachesDirectSoundInHundredthsOfADecibel) {
    const auto buffer = make(firstThunder, thunderFlags);
    IDirectSoundBuffer& object = objectOf(buffer);
    buffer->setPan(-1.0f);
    EXPECT_EQ(panOf(object), -10000);
    buffer->setPan(0.33333f);
    EXPECT_EQ(panOf(object), 3333);
    buffer->setPan(1.0f);
    EXPECT_EQ(panOf(object), 10000);
}

TEST_F(DirectSoundBufferTest, PlayingLoopingIsToldApartFromPlayingOnce) {
    const auto buffer = make(rain, rainFlags);
    IDirectSoundBuffer& object = objectOf(buffer);
    EXPECT_EQ(statusOf(object) & DSBSTATUS_PLAYING, 0u);
    buffer->playLooping();
    EXPECT_EQ(statusOf(object) & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING),
              DWORD{DSBSTATUS_PLAYING | DSBSTATUS_LOOPING});
    buffer->stop();
    EXPECT_EQ(statusOf(object) & DSBSTATUS_PLAYING, 0u);
    buffer->play();
    EXPECT_EQ(statusOf(object) & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING), DWORD{DSBSTATUS_PLAYING});
    buffer->stop();
}

TEST_F(DirectSoundBufferTest, TheRateAndThePositionReachDirectSound) {
    const auto buffer = make(firstThunder, thunderFlags | DSBCAPS_CTRLFREQUENCY);
    IDirectSoundBuffer& object = objectOf(buffer);
    DWORD frequency = 0;
    buffer->setFrequency(11025);
    ASSERT_EQ(object.GetFrequency(&frequency), DS_OK);
    EXPECT_EQ(frequency, 11025u);
    buffer->setFrequency(DSBFREQUENCY_ORIGINAL);
    ASSERT_EQ(object.GetFrequency(&frequency), DS_OK);
    EXPECT_EQ(frequency, 22050u);
    buffer->setPosition(1000);
    DWORD play = 0;
    DWORD write = 0;
    ASSERT_EQ(object.GetCurrentPosition(&play, &write), DS_OK);
    EXPECT_EQ(play, 1000u);
}

TEST_F(DirectSoundBufferTest, ACallDirectSoundRefusesThrowsItsResult) {
    const auto rainLoop = make(rain, rainFlags);
    const auto clap = make(firstThunder, thunderFlags);
    const auto tunedClap = make(firstThunder, thunderFlags | DSBCAPS_CTRLFREQUENCY);
    EXPECT_EQ(failureOf([&] { rainLoop->setPan(0.5f); }),
              static_cast<int32_t>(DSERR_CONTROLUNAVAIL));
    EXPECT_EQ(failureOf([&] { clap->setFrequency(11025); }),
              static_cast<int32_t>(DSERR_CONTROLUNAVAIL));
    EXPECT_EQ(failureOf([&] { tunedClap->setFrequency(DSBFREQUENCY_MIN - 1); }),
              static_cast<int32_t>(DSERR_INVALIDPARAM));
}

TEST_F(DirectSoundBufferTest, ABufferMadeWhileSoundIsOffStaysSilentAfterItIsSwitchedOn) {
    sound->setEnabled(false);
    const auto madeWhileOff = make(firstThunder, thunderFlags);
    sound->setEnabled(true);
    EXPECT_NE(dynamic_cast<const Sound::SilentSoundBuffer*>(madeWhileOff.get()), nullptr);
    EXPECT_NO_THROW(objectOf(make(firstThunder, thunderFlags)));
}

} // namespace
