#pragma once

#include "Recording.h"
#include "SynthRandom.h"

#include <cstdint>
#include <vector>

// One thunder clap, mono. distance runs from 0 (the strike is overhead: a sharp tearing crack,
// then a loud rumble) to 1 (far away: no crack, a slow soft onset, only the low rumble left).
class ThunderClap {
public:
    static constexpr int rate = 22050;

    ThunderClap(uint32_t seed, double distance, double seconds);
    Recording make();

private:
    std::vector<float> crack();
    std::vector<float> rumble(double cutoff);
    std::vector<float> roll();
    std::vector<float> envelope();
    double swells(double t) const;
    void fadeOut(std::vector<float>& samples) const;

    SynthRandom random_;
    double distance_;
    std::size_t frames_;
    // Centres, widths and heights of the rumble's swells.
    struct Swell {
        double centre;
        double width;
        double height;
    };
    std::vector<Swell> swells_;
};
