#include "sound/AudioDevice.h"
#include "sound/BufferCaps.h"
#include "sound/SilentSoundBuffer.h"
#include "sound/SoundSystem.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool isSilent(const std::unique_ptr<Sound::ISoundBuffer>& buffer) {
    return dynamic_cast<const Sound::SilentSoundBuffer*>(buffer.get()) != nullptr;
}

// Runs where DirectSound cannot play: Wine without its audio drivers, where DirectSound is made
// but finds no driver, or Wine without DirectSound, where it cannot be made at all. Neither is
// worth a word to the user: the saver runs on without sound.
TEST(WithoutAudioTest, SoundIsUnavailableCannotBeSwitchedOnAndEveryBufferIsSilent) {
    EXPECT_EQ(Sound::AudioDevice::open(), nullptr);
    EXPECT_FALSE(Sound::SoundSystem::available());
    testing::internal::CaptureStderr();
    Sound::SoundSystem& sound = Sound::SoundSystem::create();
    EXPECT_FALSE(sound.isEnabled());
    sound.setEnabled(true);
    EXPECT_FALSE(sound.isEnabled());
    EXPECT_TRUE(
        isSilent(sound.createBuffer(136, Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_STATIC)));
    EXPECT_TRUE(isSilent(sound.createBuffer(
        137, Sound::DSBCAPS_CTRLPAN | Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_STATIC)));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
