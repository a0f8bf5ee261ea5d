#include "lightning/LightningSoundManager.h"

#include "platform/Rand15.h"
#include "sound/SilentSoundBuffer.h"
#include "sound/SoundSystem.h"

namespace {

std::vector<std::unique_ptr<Sound::ISoundBuffer>> thunderClaps() {
    std::vector<std::unique_ptr<Sound::ISoundBuffer>> clips;
    Sound::SoundSystem* sound = Sound::SoundSystem::instance();
    for (int32_t id = LightningSoundManager::firstClap; id <= LightningSoundManager::lastClap;
         ++id) {
        if (sound == nullptr) {
            clips.push_back(std::make_unique<Sound::SilentSoundBuffer>());
        } else {
            clips.push_back(sound->createBuffer(id, LightningSoundManager::clapBufferFlags));
        }
    }
    return clips;
}

} // namespace

LightningSoundManager::LightningSoundManager() : LightningSoundManager(thunderClaps()) {}

LightningSoundManager::LightningSoundManager(
    std::vector<std::unique_ptr<Sound::ISoundBuffer>> clips)
    : clips_(std::move(clips)) {
    reshuffle();
}

void LightningSoundManager::playThunder(float pan) {
    if (playlist_.empty()) {
        return;
    }
    Sound::ISoundBuffer* clip = playlist_[cursor_];
    clip->setPan(pan);
    clip->setVolume(volume_);
    clip->play();
    if (++cursor_ == playlist_.size()) {
        reshuffle();
    }
}

// Each entry changes place with one drawn from those before it.
void LightningSoundManager::reshuffle() {
    playlist_.clear();
    for (const auto& clip : clips_) {
        playlist_.push_back(clip.get());
    }
    for (std::size_t i = 1; i < playlist_.size(); ++i) {
        const auto drawn = static_cast<std::size_t>(rand15()) % i;
        std::swap(playlist_[i], playlist_[drawn]);
    }
    cursor_ = 0;
}
