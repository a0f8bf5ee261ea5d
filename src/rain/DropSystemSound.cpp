#include "rain/DropSystemSound.h"

#include "rain/DropSystem.h"
#include "sound/SilentSoundBuffer.h"
#include "sound/SoundSystem.h"

namespace {

std::unique_ptr<Sound::ISoundBuffer> rainBuffer() {
    Sound::SoundSystem* sound = Sound::SoundSystem::instance();
    if (sound == nullptr) {
        return std::make_unique<Sound::SilentSoundBuffer>();
    }
    return sound->createBuffer(DropSystemSound::rainRecording, DropSystemSound::rainBufferFlags);
}

} // namespace

DropSystemSound::DropSystemSound(DropSystem& system, float rainVolume)
    : DropSystemSound(system, rainVolume, rainBuffer()) {}

DropSystemSound::DropSystemSound(DropSystem& system, float rainVolume,
                                 std::unique_ptr<Sound::ISoundBuffer> buffer)
    : rainVolume_(rainVolume), system_(system), buffer_(std::move(buffer)) {
    refreshVolume();
    buffer_->playLooping();
    system_.subscribe(*this);
}

void DropSystemSound::dropSystemUpdated(IDropSystem&) {
    refreshVolume();
}

// With no density the factor is not a number, which the buffer takes as silence.
void DropSystemSound::refreshVolume() {
    buffer_->setVolume(rainVolume_ * system_.rampElapsed() / system_.rampLength());
}
