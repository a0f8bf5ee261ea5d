#include "backends/sdl/SdlAudioDevice.h"

#include "sound/SoundBuffer.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

namespace Sdl {

namespace {

constexpr int preferredRate = 44100;
constexpr Uint16 periodFrames = 1024;

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card, ALSA prints a screen of messages to standard error while SDL looks for
// a device. Having no sound is a normal state here: the buffers stay silent and the Sound page
// says so. SDL loads the same ALSA library, so the handler set here serves it too.
void quietenAlsa() {
    static const bool quiet = snd_lib_error_set_handler(ignoreAlsaMessage) == 0;
    static_cast<void>(quiet);
}

} // namespace

std::unique_ptr<SdlAudioDevice> SdlAudioDevice::open() {
    quietenAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return nullptr;
    }
    std::unique_ptr<SdlAudioDevice> device(new SdlAudioDevice());
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
    device->mixer_ = std::make_shared<Sound::Mixer>(obtained.freq);
    SDL_PauseAudioDevice(device->id_, 0);
    return device;
}

SdlAudioDevice::~SdlAudioDevice() {
    SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<Sound::ISoundBuffer> SdlAudioDevice::createBuffer(Sound::Pcm pcm, uint32_t flags) {
    return std::make_unique<Sound::SoundBuffer>(mixer_, std::move(pcm), flags);
}

void SdlAudioDevice::fill(void* device, uint8_t* stream, int bytes) {
    const auto frames = static_cast<uint32_t>(bytes) / (2 * sizeof(float));
    static_cast<SdlAudioDevice*>(device)->mixer_->mix(reinterpret_cast<float*>(stream), frames);
}

} // namespace Sdl
