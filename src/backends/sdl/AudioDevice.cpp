#include "sound/AudioDevice.h"

#include "backends/sdl/SdlAudioDevice.h"

namespace Sound {

std::unique_ptr<AudioDevice> AudioDevice::open() {
    return Sdl::SdlAudioDevice::open();
}

} // namespace Sound
