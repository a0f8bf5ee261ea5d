#pragma once

#include "rain/DropSystemListener.h"
#include "sound/ISoundBuffer.h"

#include <memory>

class DropSystem;

// The rain loop, whose level follows the rain's ramp-up: silent at first, it swells to the
// chosen volume together with the number of drops. It plays from construction to destruction;
// its owner destroys it before the drop system.
class DropSystemSound final : public DropSystemListener {
public:
    static constexpr int32_t rainRecording = 136;
    static constexpr uint32_t rainBufferFlags = 0x82; // volume control, static

    // The rain recording from the process-wide sound system; silent when there is none.
    DropSystemSound(DropSystem& system, float rainVolume);
    DropSystemSound(DropSystem& system, float rainVolume,
                    std::unique_ptr<Sound::ISoundBuffer> buffer);

    void dropSystemUpdated(IDropSystem& system) override;

private:
    void refreshVolume();

    float rainVolume_;
    DropSystem& system_;
    std::unique_ptr<Sound::ISoundBuffer> buffer_;
};
