#include "Levels.h"

#include <algorithm>
#include <cmath>

namespace Levels {

namespace {

double toDb(double amplitude) {
    return 20.0 * std::log10(std::max(amplitude, 1e-12));
}

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

} // namespace

double rmsDbfs(const Recording& recording) {
    double sum = 0.0;
    std::size_t count = 0;
    for (const auto& channel : recording.channels) {
        for (const float sample : channel) {
            sum += static_cast<double>(sample) * sample;
        }
        count += channel.size();
    }
    return toDb(std::sqrt(sum / static_cast<double>(std::max<std::size_t>(count, 1))));
}

double peakDbfs(const Recording& recording) {
    float peak = 0.0f;
    for (const auto& channel : recording.channels) {
        for (const float sample : channel) {
            peak = std::max(peak, std::abs(sample));
        }
    }
    return toDb(peak);
}

void scale(Recording& recording, double gain) {
    for (auto& channel : recording.channels) {
        for (float& sample : channel) {
            sample = static_cast<float>(sample * gain);
        }
    }
}

void scaleToRms(Recording& recording, double dbfs) {
    scale(recording, fromDb(dbfs - rmsDbfs(recording)));
}

void scaleToPeak(Recording& recording, double dbfs) {
    scale(recording, fromDb(dbfs - peakDbfs(recording)));
}

void softLimit(Recording& recording, float knee, float ceiling) {
    const float range = ceiling - knee;
    for (auto& channel : recording.channels) {
        for (float& sample : channel) {
            const float size = std::abs(sample);
            if (size > knee) {
                sample = std::copysign(knee + range * std::tanh((size - knee) / range), sample);
            }
        }
    }
}

} // namespace Levels
