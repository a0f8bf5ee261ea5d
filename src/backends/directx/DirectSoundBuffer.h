#pragma once

#include "sound/ISoundBuffer.h"
#include "sound/Pcm.h"

#include <cstdint>
#include <wrl/client.h>

struct IDirectSound;
struct IDirectSoundBuffer;

namespace DSound {

// A recording in a static DirectSound buffer of its own, in the format it was decoded to. Each
// operation is one call to the buffer; a call DirectSound refuses throws DX5::Error with its
// result, such as a level the buffer was not made to change.
class DirectSoundBuffer final : public Sound::ISoundBuffer {
public:
    // flags: the DSBCAPS_ values the buffer is made with.
    DirectSoundBuffer(Microsoft::WRL::ComPtr<IDirectSound> directSound, const Sound::Pcm& pcm,
                      uint32_t flags);
    ~DirectSoundBuffer() override;

    DirectSoundBuffer(const DirectSoundBuffer&) = delete;
    DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

    void play() override;
    void stop() override;
    void playLooping() override;
    void setPan(float pan) override;
    void setVolume(float volume) override;
    void setFrequency(int32_t hertz) override;
    void setPosition(uint32_t byteOffset) override;

    // For a look at what DirectSound made of the calls.
    IDirectSoundBuffer* object() const { return buffer_.Get(); }

private:
    void fill(const Sound::Pcm& pcm);

    // Declared first, so that it goes after the buffer it made.
    Microsoft::WRL::ComPtr<IDirectSound> directSound_;
    Microsoft::WRL::ComPtr<IDirectSoundBuffer> buffer_;
};

} // namespace DSound
