#pragma once

#include "sound/ISoundBuffer.h"
#include "sound/Pcm.h"

#include <cstdint>
#include <memory>

namespace Sound {

// The default audio output, and the maker of the buffers that play through it. The platform's
// back end opens it and decides how a buffer plays.
class AudioDevice {
public:
    // nullptr when there is no audio output (no sound server, or a driver that names nothing).
    static std::unique_ptr<AudioDevice> open();
    virtual ~AudioDevice() = default;

    // Called as each sound system is made, when the program's window may have changed: the
    // output is shared with the other programs that play sound, for that window.
    virtual void shareWithOtherPrograms() = 0;
    // A buffer holding the whole recording, stopped at its start. flags: the DSBCAPS_ values the
    // buffer is made with.
    virtual std::unique_ptr<ISoundBuffer> createBuffer(Pcm pcm, uint32_t flags) = 0;

protected:
    AudioDevice() = default;
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;
};

} // namespace Sound
