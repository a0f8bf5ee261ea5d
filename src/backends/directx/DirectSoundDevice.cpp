#include "backends/directx/DirectSoundDevice.h"

#include "backends/directx/DirectSoundApi.h"
#include "backends/directx/DirectSoundBuffer.h"
#include "backends/directx/DirectSoundFailure.h"
#include "backends/directx/ProgramWindow.h"

#include <objbase.h>

namespace DSound {

namespace {

// DirectSound is made through COM, which every thread that asks for it must have started. COM
// stays up for the thread's life, as DirectSound stays for the process's.
void startCom() {
    thread_local const HRESULT started = CoInitialize(nullptr);
    static_cast<void>(started);
}

} // namespace

std::unique_ptr<DirectSoundDevice> DirectSoundDevice::open() {
    startCom();
    Microsoft::WRL::ComPtr<IDirectSound> directSound;
    if (FAILED(CoCreateInstance(CLSID_DirectSound, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectSound,
                                &directSound))) {
        return nullptr;
    }
    // Fails without a sound card or a driver for it.
    if (FAILED(directSound->Initialize(nullptr))) {
        return nullptr;
    }
    return std::unique_ptr<DirectSoundDevice>(new DirectSoundDevice(std::move(directSound)));
}

DirectSoundDevice::DirectSoundDevice(Microsoft::WRL::ComPtr<IDirectSound> directSound)
    : directSound_(std::move(directSound)) {}

DirectSoundDevice::~DirectSoundDevice() = default;

void DirectSoundDevice::shareWithOtherPrograms() {
    throwOnFailure(directSound_->SetCooperativeLevel(programWindow(), DSSCL_NORMAL));
}

std::unique_ptr<Sound::ISoundBuffer> DirectSoundDevice::createBuffer(Sound::Pcm pcm,
                                                                     uint32_t flags) {
    return std::make_unique<DirectSoundBuffer>(directSound_, pcm, flags);
}

} // namespace DSound
