#include "RainLoop.h"

#include "Biquad.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
// Drops hitting the glass per second, and the rarer sounds among them.
constexpr double ticksPerSecond = 320.0;
constexpr double plinksPerSecond = 9.0;
constexpr double splashesPerSecond = 2.5;

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

// Paul Kellet's economy filter: white noise in, roughly -3 dB per octave out.
class PinkFilter {
public:
    float process(float white) {
        b0_ = 0.99765f * b0_ + white * 0.0990460f;
        b1_ = 0.96300f * b1_ + white * 0.2965164f;
        b2_ = 0.57000f * b2_ + white * 1.0526913f;
        return (b0_ + b1_ + b2_ + white * 0.1848f) * 0.25f;
    }

private:
    float b0_ = 0.0f;
    float b1_ = 0.0f;
    float b2_ = 0.0f;
};

} // namespace

RainLoop::RainLoop(uint32_t seed, double seconds, double crossfadeSeconds)
    : random_(seed), loopFrames_(static_cast<std::size_t>(seconds * rate)),
      crossfadeFrames_(static_cast<std::size_t>(crossfadeSeconds * rate)),
      recording_(rate, 2, loopFrames_ + crossfadeFrames_) {}

Recording RainLoop::make() {
    addBed();
    addTicks();
    addPlinks();
    addSplashes();
    softenTop();
    makeSeamless();
    return recording_;
}

// Distant rain: pink noise between 200 Hz and 5 kHz, partly shared between the channels so the
// bed sounds wide but not hollow, swelling slowly by a decibel or two.
void RainLoop::addBed() {
    PinkFilter pink[2];
    Biquad highPass[2] = {Biquad::highPass(rate, 200.0), Biquad::highPass(rate, 200.0)};
    Biquad lowPass[2] = {Biquad::lowPass(rate, 5000.0), Biquad::lowPass(rate, 5000.0)};
    const double phase1 = random_.between(0.0, twoPi);
    const double phase2 = random_.between(0.0, twoPi);
    for (std::size_t i = 0; i < recording_.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const float swell = static_cast<float>(1.0 + 0.12 * std::sin(twoPi * 0.07 * t + phase1) +
                                               0.08 * std::sin(twoPi * 0.19 * t + phase2));
        const float shared = random_.noise();
        for (int c = 0; c < 2; ++c) {
            const float white = 0.6f * shared + 0.8f * random_.noise();
            const float band = lowPass[c].process(highPass[c].process(pink[c].process(white)));
            recording_.channels[c][i] += 0.11f * swell * band;
        }
    }
}

// Most drops are small and far across the pane; a few land close and loud.
void RainLoop::addTicks() {
    const double length = static_cast<double>(recording_.frames()) / rate;
    for (double t = random_.exponentialGap(ticksPerSecond); t < length;
         t += random_.exponentialGap(ticksPerSecond)) {
        const double level = fromDb(-32.0 + 22.0 * std::pow(random_.uniform(), 3.0));
        addTick(t, random_.between(-1.0, 1.0), level);
    }
}

// A drop on glass: a bright resonance of a few milliseconds over a very short noise click. The
// struck pane starts from rest, so the ring starts at zero and the click alone is the attack.
void RainLoop::addTick(double time, double pan, double level) {
    const double frequency = random_.logBetween(1200.0, 6500.0);
    const double decay = random_.between(0.0012, 0.0045);
    const Placement where = place(time, pan);
    const auto length = static_cast<std::size_t>(5.0 * decay * rate);
    for (std::size_t n = 0; n < length; ++n) {
        const double t = static_cast<double>(n) / rate;
        const double ring = std::exp(-t / decay) * std::sin(twoPi * frequency * t);
        const double click = 0.3 * std::exp(-t / 0.0003) * random_.noise();
        add(where, n, static_cast<float>(level * (ring + click)));
    }
}

// Water gathering and dripping: a small bubble whose pitch rises as it closes.
void RainLoop::addPlinks() {
    const double length = static_cast<double>(recording_.frames()) / rate;
    for (double time = random_.exponentialGap(plinksPerSecond); time < length;
         time += random_.exponentialGap(plinksPerSecond)) {
        const double frequency = random_.logBetween(700.0, 2200.0);
        const double rise = random_.between(15.0, 35.0);
        const double decay = random_.between(0.006, 0.014);
        const double level = fromDb(random_.between(-30.0, -17.0));
        const Placement where = place(time, random_.between(-0.9, 0.9));
        const auto frames = static_cast<std::size_t>(5.0 * decay * rate);
        double phase = 0.0;
        for (std::size_t n = 0; n < frames; ++n) {
            const double t = static_cast<double>(n) / rate;
            phase += twoPi * frequency * (1.0 + rise * t) / rate;
            const double attack = std::min(1.0, t / 0.0005);
            add(where, n,
                static_cast<float>(level * attack * std::exp(-t / decay) * std::sin(phase)));
        }
    }
}

void RainLoop::addSplashes() {
    const double length = static_cast<double>(recording_.frames()) / rate;
    for (double time = random_.exponentialGap(splashesPerSecond); time < length;
         time += random_.exponentialGap(splashesPerSecond)) {
        addSplash(time);
    }
}

// A large drop: a dull knock of the pane, a burst of spray, and the droplets it throws.
void RainLoop::addSplash(double time) {
    const double pan = random_.between(-0.8, 0.8);
    const double level = fromDb(random_.between(-20.0, -9.0));
    const Placement where = place(time, pan);
    const double knock = random_.between(180.0, 420.0);
    const double knockDecay = random_.between(0.010, 0.022);
    const double sprayDecay = random_.between(0.012, 0.035);
    Biquad spray = Biquad::bandPass(rate, random_.between(1500.0, 3500.0), 0.8);
    const auto frames = static_cast<std::size_t>(5.0 * std::max(knockDecay, sprayDecay) * rate);
    for (std::size_t n = 0; n < frames; ++n) {
        const double t = static_cast<double>(n) / rate;
        const double attack = std::min(1.0, t / 0.0008);
        const double body = 0.7 * std::exp(-t / knockDecay) * std::sin(twoPi * knock * t);
        const double hiss = 1.4 * std::exp(-t / sprayDecay) * spray.process(random_.noise());
        add(where, n, static_cast<float>(level * attack * (body + hiss)));
    }
    const int droplets = 4 + static_cast<int>(random_.uniform() * 6.0);
    for (int i = 0; i < droplets; ++i) {
        addTick(time + random_.between(0.002, 0.045),
                std::clamp(pan + random_.between(-0.15, 0.15), -1.0, 1.0),
                level * random_.between(0.15, 0.5));
    }
}

// The pane and the room take the edge off the highest frequencies; left in, the clicks of the
// drops sound like static on a radio.
void RainLoop::softenTop() {
    for (auto& channel : recording_.channels) {
        Biquad first = Biquad::lowPass(rate, 9000.0, 0.6);
        Biquad second = Biquad::lowPass(rate, 12000.0, 0.6);
        for (float& sample : channel) {
            sample = second.process(first.process(sample));
        }
    }
}

// The first crossfadeFrames take over from what would have followed the last frame, with equal
// power, so the loop point continues the rain instead of jumping into other rain.
void RainLoop::makeSeamless() {
    for (auto& channel : recording_.channels) {
        for (std::size_t i = 0; i < crossfadeFrames_; ++i) {
            const double w = (static_cast<double>(i) + 0.5) / static_cast<double>(crossfadeFrames_);
            const double fadeIn = std::sin(w * std::numbers::pi / 2.0);
            const double fadeOut = std::cos(w * std::numbers::pi / 2.0);
            channel[i] =
                static_cast<float>(channel[i] * fadeIn + channel[loopFrames_ + i] * fadeOut);
        }
        channel.resize(loopFrames_);
    }
}

// Equal-power position between the channels.
RainLoop::Placement RainLoop::place(double time, double pan) const {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    return {static_cast<std::size_t>(time * rate), static_cast<float>(std::cos(angle)),
            static_cast<float>(std::sin(angle))};
}

void RainLoop::add(const Placement& where, std::size_t offset, float sample) {
    const std::size_t i = where.start + offset;
    if (i < recording_.frames()) {
        recording_.channels[0][i] += where.left * sample;
        recording_.channels[1][i] += where.right * sample;
    }
}
