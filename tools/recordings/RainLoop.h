#pragma once

#include "Recording.h"
#include "SynthRandom.h"

#include <cstddef>
#include <cstdint>

// Rain on a window pane, stereo: a soft broadband bed of distant rain under thousands of single
// drops hitting the glass (short resonant ticks), a few water plinks, and now and then a large
// drop that splashes. The ends are crossfaded so that the recording loops without a seam.
class RainLoop {
public:
    static constexpr int rate = 44100;

    RainLoop(uint32_t seed, double seconds, double crossfadeSeconds);
    Recording make();

private:
    struct Placement {
        std::size_t start;
        float left;
        float right;
    };

    void addBed();
    void addTicks();
    void addPlinks();
    void addSplashes();
    void addTick(double time, double pan, double level);
    void addSplash(double time);
    void softenTop();
    void makeSeamless();
    Placement place(double time, double pan) const;
    void add(const Placement& where, std::size_t offset, float sample);

    SynthRandom random_;
    std::size_t loopFrames_;
    std::size_t crossfadeFrames_;
    Recording recording_;
};
