#include "ThunderClap.h"

#include "Biquad.h"
#include "Levels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// When the first sound arrives.
constexpr double strikeTime = 0.03;
constexpr double fadeSeconds = 0.6;

double rms(const std::vector<float>& samples) {
    double sum = 0.0;
    for (const float s : samples) {
        sum += static_cast<double>(s) * s;
    }
    return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(samples.size(), 1)));
}

void mixInto(std::vector<float>& target, const std::vector<float>& source, double rmsLevel) {
    const double gain = rmsLevel / std::max(rms(source), 1e-9);
    for (std::size_t i = 0; i < target.size(); ++i) {
        target[i] += static_cast<float>(source[i] * gain);
    }
}

} // namespace

ThunderClap::ThunderClap(uint32_t seed, double distance, double seconds)
    : random_(seed), distance_(distance), frames_(static_cast<std::size_t>(seconds * rate)) {
    const int count = 3 + static_cast<int>(random_.uniform() * 4.0);
    for (int i = 0; i < count; ++i) {
        swells_.push_back({random_.between(strikeTime + 0.2, 0.6 * seconds),
                           random_.between(0.15, 0.6), random_.between(0.4, 1.4)});
    }
}

Recording ThunderClap::make() {
    const double near = 1.0 - distance_;
    Recording clap(rate, 1, frames_);
    std::vector<float>& out = clap.channels[0];
    const std::vector<float> shape = envelope();
    std::vector<float> body = rumble(160.0 - 90.0 * distance_);
    const std::vector<float> texture = roll();
    for (std::size_t i = 0; i < frames_; ++i) {
        body[i] *= shape[i];
    }
    std::vector<float> rolling(texture);
    for (std::size_t i = 0; i < frames_; ++i) {
        rolling[i] *= shape[i];
    }
    mixInto(out, body, 0.30);
    mixInto(out, rolling, 0.06 + 0.12 * near);
    if (distance_ < 0.75) {
        mixInto(out, crack(), 0.10 * near * near);
    }
    Biquad dcBlock = Biquad::highPass(rate, 28.0);
    Biquad air = Biquad::lowPass(rate, 9000.0 - 7000.0 * distance_);
    for (float& s : out) {
        s = air.process(dcBlock.process(s));
    }
    fadeOut(out);
    // Round off the few highest peaks so the rumble keeps its weight beside them, and leave the
    // far claps quieter than the near ones.
    Levels::scaleToPeak(clap, -0.5);
    Levels::softLimit(clap, 0.6f, 0.85f);
    Levels::scaleToPeak(clap, -1.5 - 5.0 * distance_);
    return clap;
}

// The channel of the bolt tearing the air: a train of short pressure waves, densest at first,
// over a bright hiss that dies within a tenth of a second or two.
std::vector<float> ThunderClap::crack() {
    std::vector<float> out(frames_, 0.0f);
    const double near = 1.0 - distance_;
    const int waves = 20 + static_cast<int>(60.0 * near);
    for (int k = 0; k < waves; ++k) {
        const double u = random_.uniform();
        const double t = strikeTime + 0.3 * u * u;
        const double level = std::exp(-(t - strikeTime) / 0.1) * random_.between(0.3, 1.0) *
                             (random_.uniform() < 0.5 ? -1.0 : 1.0);
        const auto width = static_cast<std::size_t>(random_.between(0.0003, 0.002) * rate) + 2;
        const auto start = static_cast<std::size_t>(t * rate);
        for (std::size_t n = 0; n < 2 * width && start + n < frames_; ++n) {
            const double phase = std::numbers::pi * static_cast<double>(n) / width;
            out[start + n] += static_cast<float>(level * std::sin(phase));
        }
    }
    Biquad highPass = Biquad::highPass(rate, 400.0);
    const double hissDecay = 0.05 + 0.1 * distance_;
    for (std::size_t i = 0; i < frames_; ++i) {
        const double t = static_cast<double>(i) / rate - strikeTime;
        double hiss = 0.0;
        if (t >= 0.0) {
            hiss = 0.6 * (1.0 - std::exp(-t / 0.0015)) * std::exp(-t / hissDecay);
        }
        out[i] = highPass.process(out[i] + static_cast<float>(hiss * random_.noise()));
    }
    return out;
}

// The body of the thunder: noise with everything above a low cutoff taken away.
std::vector<float> ThunderClap::rumble(double cutoff) {
    std::vector<float> out(frames_);
    Biquad first = Biquad::lowPass(rate, cutoff, 0.6);
    Biquad second = Biquad::lowPass(rate, cutoff, 0.9);
    for (float& s : out) {
        s = second.process(first.process(random_.noise()));
    }
    return out;
}

// The mid-band grumble that makes a near rumble sound like it rolls across the sky.
std::vector<float> ThunderClap::roll() {
    std::vector<float> out(frames_);
    Biquad low = Biquad::bandPass(rate, random_.between(220.0, 320.0), 0.9);
    Biquad high = Biquad::bandPass(rate, random_.between(450.0, 650.0), 1.2);
    for (float& s : out) {
        const float white = random_.noise();
        s = low.process(white) + 0.5f * high.process(white);
    }
    return out;
}

// Rises (at once when near, over a second when far), swells a few times, and decays with a long
// tail; a slow random flutter keeps the level moving.
std::vector<float> ThunderClap::envelope() {
    std::vector<float> out(frames_);
    const double rise = 0.04 + 1.0 * distance_;
    const double seconds = static_cast<double>(frames_) / rate;
    const double decay = 0.16 * seconds;
    Biquad flutterFilter = Biquad::lowPass(rate, 3.0);
    for (std::size_t i = 0; i < frames_; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double since = t - strikeTime;
        const double flutter = flutterFilter.process(random_.noise()) * 25.0;
        if (since < 0.0) {
            out[i] = 0.0f;
            continue;
        }
        const double onset =
            since < rise ? 0.5 - 0.5 * std::cos(std::numbers::pi * since / rise) : 1.0;
        const double fall =
            0.75 * std::exp(-since / decay) + 0.25 * std::exp(-since / (2.5 * decay));
        const double level =
            onset * fall * (0.5 + swells(t)) * (1.0 + std::clamp(flutter, -0.4, 0.4));
        out[i] = static_cast<float>(level);
    }
    return out;
}

double ThunderClap::swells(double t) const {
    double sum = 0.0;
    for (const Swell& swell : swells_) {
        const double x = (t - swell.centre) / swell.width;
        sum += swell.height * std::exp(-x * x);
    }
    return sum;
}

void ThunderClap::fadeOut(std::vector<float>& samples) const {
    const auto fade = static_cast<std::size_t>(fadeSeconds * rate);
    for (std::size_t n = 0; n < fade && n < samples.size(); ++n) {
        const double w = static_cast<double>(n) / static_cast<double>(fade);
        samples[samples.size() - 1 - n] *=
            static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * w));
    }
}
