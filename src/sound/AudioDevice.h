#pragma once

#include "sound/Mixer.h"

#include <cstdint>
#include <memory>

namespace Sound {

// The default audio output, opened in stereo floating point, fed by a mixer from the audio
// thread. The platform's back end opens it.
class AudioDevice {
public:
    // nullptr when there is no audio output (no sound server, or a driver that names nothing).
    static std::unique_ptr<AudioDevice> open();
    ~AudioDevice();

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Lives on as long as a buffer uses it, also after the device has closed.
    const std::shared_ptr<Mixer>& mixer() const { return mixer_; }

private:
    AudioDevice() = default;
    static void fill(void* device, uint8_t* stream, int bytes);

    uint32_t id_ = 0;
    std::shared_ptr<Mixer> mixer_;
};

} // namespace Sound
