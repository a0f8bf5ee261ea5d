#include "sound/AudioDevice.h"

namespace Sound {

namespace {

constexpr int preferredRate = 44100;
constexpr Uint16 periodFrames = 1024;

} // namespace

std::unique_ptr<AudioDevice> AudioDevice::open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return nullptr;
    }
    std::unique_ptr<AudioDevice> device(new AudioDevice());
    SDL_AudioSpec wanted{};
    wanted.freq = preferredRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = periodFrames;
    wanted.callback = fill;
    wanted.userdata = device.get();
    SDL_AudioSpec obtained{};
    device->id_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device->id_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    // A device opens paused, so the mixer is in place before the first call for samples.
    device->mixer_ = std::make_shared<Mixer>(obtained.freq);
    SDL_PauseAudioDevice(device->id_, 0);
    return device;
}

AudioDevice::~AudioDevice() {
    SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioDevice::fill(void* device, Uint8* stream, int bytes) {
    const auto frames = static_cast<uint32_t>(bytes) / (2 * sizeof(float));
    static_cast<AudioDevice*>(device)->mixer_->mix(reinterpret_cast<float*>(stream), frames);
}

} // namespace Sound
