#pragma once

#include "sound/ISoundBuffer.h"

namespace Sound {

// Stands in for a recording when there is no sound: every operation does nothing.
class SilentSoundBuffer final : public ISoundBuffer {
public:
    void play() override {}
    void stop() override {}
    void playLooping() override {}
    void setPan(float) override {}
    void setVolume(float) override {}
    void setFrequency(int32_t) override {}
    void setPosition(uint32_t) override {}
};

} // namespace Sound
