#pragma once

#include "sound/ISoundBuffer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Sound {

class AudioDevice;
class ResourceStream;

// The program's sound: whether there is an audio output, the user's on/off switch, and the
// making of buffers from the recordings built into the program. Without an audio output, or
// with sound switched off, every buffer made is silent and the rest of the program runs on.
class SoundSystem {
public:
    // Makes the process-wide instance, replacing and destroying an earlier one. Sound is on
    // when there is an audio output.
    static SoundSystem& create();
    // nullptr until create() has been called.
    static SoundSystem* instance();
    // Whether an audio output is open. While none could be opened, every call tries again.
    static bool available();

    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Takes effect only when sound is available; otherwise sound stays off.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

    // The whole recording, decoded now. Silent when sound is off at this moment (the buffer
    // stays silent for its life), or when the recording is missing or damaged; those two are
    // reported with one line on standard error. flags: the DSBCAPS_ values.
    std::unique_ptr<ISoundBuffer> createBuffer(int32_t resourceId, uint32_t flags);
    // The same from a stream; name says which recording in the report of a damaged one.
    std::unique_ptr<ISoundBuffer> createBuffer(ResourceStream& stream, uint32_t flags,
                                               const std::string& name);

private:
    SoundSystem();
    static std::shared_ptr<AudioDevice> device();

    bool enabled_ = false;
};

} // namespace Sound
