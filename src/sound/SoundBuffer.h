#pragma once

#include "sound/ISoundBuffer.h"
#include "sound/Pcm.h"
#include "sound/Voice.h"

#include <cstdint>
#include <memory>

namespace Sound {

class Mixer;

// A decoded recording playing as one voice of our mixer. The operations keep the sound layer's
// meaning: levels in hundredths of a decibel, a pan that lowers one channel, a rate per buffer.
// Changing a level the buffer was not made for fails as the layer did (DSERR_CONTROLUNAVAIL).
class SoundBuffer final : public ISoundBuffer {
public:
    // flags: the DSBCAPS_ values the buffer is made with.
    SoundBuffer(std::shared_ptr<Mixer> mixer, Pcm pcm, uint32_t flags);
    ~SoundBuffer() override;

    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    void play() override;
    void stop() override;
    void playLooping() override;
    void setPan(float pan) override;
    void setVolume(float volume) override;
    void setFrequency(int32_t hertz) override;
    void setPosition(uint32_t byteOffset) override;

    bool isPlaying() const { return voice_.isPlaying(); }
    int32_t volume() const { return volume_; }
    int32_t pan() const { return pan_; }

private:
    void requireControl(uint32_t flag) const;
    void applyGains();

    std::shared_ptr<Mixer> mixer_;
    Voice voice_;
    uint32_t flags_;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
};

} // namespace Sound
