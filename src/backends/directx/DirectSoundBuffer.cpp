#include "backends/directx/DirectSoundBuffer.h"

#include "backends/directx/DirectSoundApi.h"
#include "backends/directx/DirectSoundFailure.h"
#include "sound/Attenuation.h"

#include <algorithm>
#include <cstring>

namespace DSound {

namespace {

constexpr uint8_t silence = 128;

// The description as DirectX 5 knew it, without the 3D algorithm that came later.
constexpr DWORD descriptionSize = sizeof(DSBUFFERDESC1);
static_assert(descriptionSize == 20);

Microsoft::WRL::ComPtr<IDirectSoundBuffer> createBuffer(IDirectSound& directSound,
                                                        const Sound::Pcm& pcm, uint32_t flags) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(pcm.channels);
    format.nSamplesPerSec = static_cast<DWORD>(pcm.rate);
    format.wBitsPerSample = 8;
    format.nBlockAlign = static_cast<WORD>(pcm.blockAlign());
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
    DSBUFFERDESC description{};
    description.dwSize = descriptionSize;
    description.dwFlags = flags;
    description.dwBufferBytes = pcm.blockAlign() * pcm.frames();
    description.lpwfxFormat = &format;
    Microsoft::WRL::ComPtr<IDirectSoundBuffer> buffer;
    throwOnFailure(directSound.CreateSoundBuffer(&description, &buffer, nullptr));
    return buffer;
}

} // namespace

DirectSoundBuffer::DirectSoundBuffer(Microsoft::WRL::ComPtr<IDirectSound> directSound,
                                     const Sound::Pcm& pcm, uint32_t flags)
    : directSound_(std::move(directSound)), buffer_(createBuffer(*directSound_.Get(), pcm, flags)) {
    fill(pcm);
}

DirectSoundBuffer::~DirectSoundBuffer() = default;

void DirectSoundBuffer::play() {
    throwOnFailure(buffer_->Play(0, 0, 0));
}

void DirectSoundBuffer::stop() {
    throwOnFailure(buffer_->Stop());
}

void DirectSoundBuffer::playLooping() {
    throwOnFailure(buffer_->Play(0, 0, DSBPLAY_LOOPING));
}

void DirectSoundBuffer::setPan(float pan) {
    throwOnFailure(buffer_->SetPan(Sound::panHundredths(pan)));
}

void DirectSoundBuffer::setVolume(float volume) {
    throwOnFailure(buffer_->SetVolume(Sound::volumeHundredths(volume)));
}

// DirectSound takes 0 (DSBFREQUENCY_ORIGINAL) for the recording's own rate.
void DirectSoundBuffer::setFrequency(int32_t hertz) {
    throwOnFailure(buffer_->SetFrequency(static_cast<DWORD>(hertz)));
}

void DirectSoundBuffer::setPosition(uint32_t byteOffset) {
    throwOnFailure(buffer_->SetCurrentPosition(byteOffset));
}

// A buffer DirectSound made larger than asked for is silent beyond the recording.
void DirectSoundBuffer::fill(const Sound::Pcm& pcm) {
    void* first = nullptr;
    DWORD firstBytes = 0;
    void* second = nullptr;
    DWORD secondBytes = 0;
    throwOnFailure(
        buffer_->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER));
    const std::size_t copied = std::min<std::size_t>(firstBytes, pcm.samples.size());
    std::memcpy(first, pcm.samples.data(), copied);
    std::fill_n(static_cast<uint8_t*>(first) + copied, firstBytes - copied, silence);
    throwOnFailure(buffer_->Unlock(first, firstBytes, second, secondBytes));
}

} // namespace DSound
