#include "sound/SoundSystem.h"

#include "resources/ResourceErrors.h"
#include "sound/AudioDevice.h"
#include "sound/DamagedRecordingError.h"
#include "sound/OggVorbisFile.h"
#include "sound/ResourceStream.h"
#include "sound/SilentSoundBuffer.h"

#include <iostream>

namespace Sound {

namespace {

std::unique_ptr<SoundSystem>& currentInstance() {
    static std::unique_ptr<SoundSystem> instance;
    return instance;
}

std::shared_ptr<AudioDevice>& cachedDevice() {
    static std::shared_ptr<AudioDevice> device;
    return device;
}

void reportSilent(const std::string& name, const std::string& reason) {
    std::cerr << "Pluvo: " << name << " stays silent: " << reason << '\n';
}

} // namespace

SoundSystem& SoundSystem::create() {
    std::unique_ptr<SoundSystem>& current = currentInstance();
    current.reset();
    current.reset(new SoundSystem());
    return *current;
}

SoundSystem* SoundSystem::instance() {
    return currentInstance().get();
}

bool SoundSystem::available() {
    return device() != nullptr;
}

std::shared_ptr<AudioDevice> SoundSystem::device() {
    std::shared_ptr<AudioDevice>& device = cachedDevice();
    if (!device) {
        device = AudioDevice::open();
    }
    return device;
}

SoundSystem::SoundSystem() : enabled_(available()) {
    if (enabled_) {
        device()->shareWithOtherPrograms();
    }
}

SoundSystem::~SoundSystem() = default;

void SoundSystem::setEnabled(bool enabled) {
    enabled_ = enabled && available();
}

std::unique_ptr<ISoundBuffer> SoundSystem::createBuffer(int32_t resourceId, uint32_t flags) {
    if (!enabled_) {
        return std::make_unique<SilentSoundBuffer>();
    }
    const std::string name = "sound " + std::to_string(resourceId);
    try {
        ResourceStream stream(resourceId);
        return createBuffer(stream, flags, name);
    } catch (const Resources::ResourceNotFoundError&) {
        reportSilent(name, "the program carries no such recording");
        return std::make_unique<SilentSoundBuffer>();
    }
}

std::unique_ptr<ISoundBuffer> SoundSystem::createBuffer(ResourceStream& stream, uint32_t flags,
                                                        const std::string& name) {
    if (!enabled_) {
        return std::make_unique<SilentSoundBuffer>();
    }
    try {
        OggVorbisFile file(stream);
        return device()->createBuffer(file.decodeToPcm8(), flags);
    } catch (const DamagedRecordingError& error) {
        reportSilent(name, std::string("the recording is damaged: ") + error.what());
        return std::make_unique<SilentSoundBuffer>();
    }
}

} // namespace Sound
