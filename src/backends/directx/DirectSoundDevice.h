#pragma once

#include "sound/AudioDevice.h"

#include <cstdint>
#include <memory>
#include <wrl/client.h>

struct IDirectSound;

namespace DSound {

// DirectSound on the default output; every buffer is a DirectSound buffer of its own, which
// DirectSound mixes.
class DirectSoundDevice final : public Sound::AudioDevice {
public:
    // nullptr when DirectSound cannot be made or has no driver to play through.
    static std::unique_ptr<DirectSoundDevice> open();
    ~DirectSoundDevice() override;

    // At the normal level, which leaves the output's format to DirectSound.
    void shareWithOtherPrograms() override;
    // Throws DX5::Error when DirectSound refuses the buffer.
    std::unique_ptr<Sound::ISoundBuffer> createBuffer(Sound::Pcm pcm, uint32_t flags) override;

private:
    explicit DirectSoundDevice(Microsoft::WRL::ComPtr<IDirectSound> directSound);

    // Releasing DirectSound releases its buffers with it, so each buffer holds it too.
    Microsoft::WRL::ComPtr<IDirectSound> directSound_;
};

} // namespace DSound
