#pragma once

#include <cstdint>
#include <vector>

namespace Sound {

// A decoded recording: unsigned 8-bit samples (128 is silence), channels interleaved.
struct Pcm {
    int32_t channels = 1;
    int32_t rate = 22050;
    std::vector<uint8_t> samples;

    uint32_t blockAlign() const { return static_cast<uint32_t>(channels); }
    uint32_t frames() const { return static_cast<uint32_t>(samples.size()) / blockAlign(); }
};

} // namespace Sound
