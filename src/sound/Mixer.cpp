#include "sound/Mixer.h"

#include "sound/Voice.h"

#include <algorithm>

namespace Sound {

Mixer::Mixer(int32_t rate) : rate_(rate) {}

void Mixer::add(Voice& voice) {
    const std::lock_guard lock(voicesMutex_);
    voices_.push_back(&voice);
}

void Mixer::remove(Voice& voice) {
    const std::lock_guard lock(voicesMutex_);
    std::erase(voices_, &voice);
}

void Mixer::mix(float* out, uint32_t frames) {
    std::fill_n(out, 2 * static_cast<std::size_t>(frames), 0.0f);
    if (frames == 0) {
        return;
    }
    {
        const std::lock_guard lock(voicesMutex_);
        for (Voice* voice : voices_) {
            voice->mixInto(out, frames, rate_);
        }
    }
    for (std::size_t i = 0; i < 2 * static_cast<std::size_t>(frames); ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }
}

} // namespace Sound
