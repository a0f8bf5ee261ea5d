#include "sound/Attenuation.h"

#include "sound/BufferCaps.h"

#include <algorithm>
#include <cmath>

namespace Sound {

namespace {

constexpr float panScale = 10000.0f;
constexpr float volumeRange = -4000.0f;

float gainOf(int32_t hundredths) {
    if (hundredths <= DSBVOLUME_MIN) {
        return 0.0f;
    }
    return std::pow(10.0f, static_cast<float>(hundredths) / 2000.0f);
}

} // namespace

int32_t panHundredths(float pan) {
    if (std::isnan(pan)) {
        return 0;
    }
    const float scaled = std::clamp(pan * panScale, static_cast<float>(DSBPAN_LEFT),
                                    static_cast<float>(DSBPAN_RIGHT));
    return static_cast<int32_t>(scaled);
}

int32_t volumeHundredths(float volume) {
    if (!(volume > 0.0f)) {
        return DSBVOLUME_MIN;
    }
    const float scaled =
        std::clamp((1.0f - volume) * volumeRange, static_cast<float>(DSBVOLUME_MIN),
                   static_cast<float>(DSBVOLUME_MAX));
    return static_cast<int32_t>(scaled);
}

ChannelGains channelGains(int32_t volume, int32_t pan) {
    const int32_t left = volume - std::max(pan, 0);
    const int32_t right = volume + std::min(pan, 0);
    return {gainOf(left), gainOf(right)};
}

} // namespace Sound
