#pragma once

#include <cmath>
#include <cstdint>
#include <random>

// The recordings' random source. The engine's sequence is fixed by the standard; the mapping to
// numbers is our own, so the same seed gives the same recordings with any standard library.
class SynthRandom {
public:
    explicit SynthRandom(uint32_t seed) : engine_(seed) {}

    // 0 <= result < 1
    double uniform() { return static_cast<double>(engine_()) / 4294967296.0; }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    // Spread evenly over octaves rather than hertz.
    double logBetween(double low, double high) { return low * std::pow(high / low, uniform()); }
    // -1 <= result < 1
    float noise() { return static_cast<float>(2.0 * uniform() - 1.0); }
    // Waiting time to the next event of a process with the given mean rate.
    double exponentialGap(double perSecond) { return -std::log(1.0 - uniform()) / perSecond; }

private:
    std::mt19937 engine_;
};
