#pragma once

#include "lightning/ILightningSoundManager.h"
#include "sound/ISoundBuffer.h"

#include <cstddef>
#include <memory>
#include <vector>

// The thunder: the seven claps, played one per bolt in a shuffled order, so that every clap is
// heard once in each round of seven and each round comes in a fresh order.
class LightningSoundManager final : public ILightningSoundManager {
public:
    static constexpr int32_t firstClap = 137;
    static constexpr int32_t lastClap = 143;
    static constexpr uint32_t clapBufferFlags = 0xC2; // pan and volume control, static

    // The claps from the process-wide sound system; silent when there is none.
    LightningSoundManager();
    // The given claps, in resource order.
    explicit LightningSoundManager(std::vector<std::unique_ptr<Sound::ISoundBuffer>> clips);

    void playThunder(float pan) override;
    // The level of every later clap, 0..1.
    void setVolume(float volume) { volume_ = volume; }

private:
    void reshuffle();

    std::vector<std::unique_ptr<Sound::ISoundBuffer>> clips_;
    std::vector<Sound::ISoundBuffer*> playlist_;
    std::size_t cursor_ = 0;
    float volume_ = 1.0f;
};
