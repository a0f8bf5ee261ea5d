#pragma once

#include "sound/AudioDevice.h"
#include "sound/Mixer.h"

#include <cstdint>
#include <memory>

namespace Sdl {

// The default audio output, opened in stereo floating point and fed by our mixer from SDL's
// audio thread; every buffer is one voice of the mixer.
class SdlAudioDevice final : public Sound::AudioDevice {
public:
    // nullptr when SDL finds no audio output.
    static std::unique_ptr<SdlAudioDevice> open();
    ~SdlAudioDevice() override;

    // Nothing to share: the sound server or ALSA's mixing does it.
    void shareWithOtherPrograms() override {}
    std::unique_ptr<Sound::ISoundBuffer> createBuffer(Sound::Pcm pcm, uint32_t flags) override;

private:
    SdlAudioDevice() = default;
    static void fill(void* device, uint8_t* stream, int bytes);

    uint32_t id_ = 0;
    // Lives on as long as a buffer uses it, also after the device has closed.
    std::shared_ptr<Sound::Mixer> mixer_;
};

} // namespace Sdl
