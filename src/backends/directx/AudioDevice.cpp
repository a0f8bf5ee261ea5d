#include "sound/AudioDevice.h"

#include "backends/directx/DirectSoundDevice.h"

namespace Sound {

std::unique_ptr<AudioDevice> AudioDevice::open() {
    return DSound::DirectSoundDevice::open();
}

} // namespace Sound
