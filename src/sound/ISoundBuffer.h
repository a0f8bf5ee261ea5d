#pragma once

#include <cstdint>

namespace Sound {

// One recording ready to play.
class ISoundBuffer {
public:
    virtual ~ISoundBuffer() = default;
    // Starts playing once; a buffer that is playing already goes on from where it is.
    virtual void play() = 0;
    // Stops where it is; the next play goes on from there.
    virtual void stop() = 0;
    virtual void playLooping() = 0;
    // -1 (left) .. +1 (right).
    virtual void setPan(float pan) = 0;
    // 0 .. 1, linear in decibels from -40 dB to full level; 0 or less is silence.
    virtual void setVolume(float volume) = 0;
    // The rate the recording is played at, in samples per second; 0 restores its own rate.
    virtual void setFrequency(int32_t hertz) = 0;
    // The play position, in bytes of the recording.
    virtual void setPosition(uint32_t byteOffset) = 0;
};

} // namespace Sound
