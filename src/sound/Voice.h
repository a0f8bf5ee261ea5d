#pragma once

#include "sound/Attenuation.h"
#include "sound/Pcm.h"

#include <cstdint>
#include <mutex>

namespace Sound {

// One recording in the mixer: what the owner asks of it (start, stop, levels, rate, position)
// and where the mixer is in it. The owner's calls and the mixer meet only for the copy of a
// few fields under a lock of the voice's own.
class Voice {
public:
    explicit Voice(Pcm pcm);

    void start(bool looping);
    void stop();
    void setGains(ChannelGains gains);
    void setRate(int32_t rate);
    void setFrame(uint32_t frame);
    bool isPlaying() const;
    const Pcm& pcm() const { return pcm_; }

    // Adds frames of this voice, resampled to deviceRate, to the interleaved stereo out. Called
    // by the mixer only. A change of level is spread over the period, so it does not click.
    void mixInto(float* out, uint32_t frames, int32_t deviceRate);

private:
    struct Control {
        bool playing = false;
        bool looping = false;
        // In frames of the recording, 32 fraction bits.
        uint64_t position = 0;
        int32_t rate = 0;
        ChannelGains gains{1.0f, 1.0f};
        // Counts the owner's starts, stops and position changes: the mixer writes its new
        // position back only when none came while it was mixing.
        uint32_t revision = 0;
    };

    struct Cursor {
        uint64_t position;
        bool playing;
    };

    Cursor render(const Control& control, float* out, uint32_t frames, int32_t deviceRate);
    void storeCursor(const Control& seen, const Cursor& cursor);

    const Pcm pcm_;
    mutable std::mutex mutex_;
    Control control_;
    // The mixer's own: the gains the last period ended with.
    ChannelGains lastGains_{0.0f, 0.0f};
    bool wasPlaying_ = false;
};

} // namespace Sound
