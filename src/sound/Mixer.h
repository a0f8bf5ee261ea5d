#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

namespace Sound {

class Voice;

// Our own mixer: adds the playing voices in floating point into interleaved stereo at the
// device's rate, and saturates what goes beyond full scale.
class Mixer {
public:
    explicit Mixer(int32_t rate);

    int32_t rate() const { return rate_; }
    // Voices are added when a buffer is made and removed before it goes; neither happens per
    // frame.
    void add(Voice& voice);
    void remove(Voice& voice);
    // Writes frames of stereo into out (2 x frames floats). Allocates nothing.
    void mix(float* out, uint32_t frames);

private:
    int32_t rate_;
    std::mutex voicesMutex_;
    std::vector<Voice*> voices_;
};

} // namespace Sound
