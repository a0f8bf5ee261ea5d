#include "sound/AudioDevice.h"

namespace Sound {

// The DirectSound output is not built yet: until it is, the Windows build has no audio output,
// and the sound system makes silent buffers, as it does where a system has no sound card.
std::unique_ptr<AudioDevice> AudioDevice::open() {
    return nullptr;
}

AudioDevice::~AudioDevice() = default;

void AudioDevice::fill(void*, uint8_t*, int) {}

} // namespace Sound
