#include "lightning/BoltColour.h"

#include "platform/Rand15.h"

#include <array>

namespace {

uint32_t toByte(float level) {
    return static_cast<uint32_t>(static_cast<int32_t>(level)) & 0xFFu;
}

uint32_t packColour(float red, float green, float blue) {
    return toByte(red) | toByte(green) << 8 | toByte(blue) << 16;
}

} // namespace

uint32_t hsvToColour(float hue, float saturation, float value) {
    if (saturation == 0.0f) {
        const uint32_t grey = toByte(value * 255.0f);
        return grey | grey << 8 | grey << 16;
    }
    if (hue == 360.0f) {
        hue = 0.0f;
    }
    const float sectorPosition = hue * (1.0f / 60.0f);
    const auto sector = static_cast<int32_t>(sectorPosition);
    const float fraction = sectorPosition - static_cast<float>(sector);
    const float p = (1.0f - saturation) * value * 255.0f;
    const float q = (1.0f - saturation * fraction) * value * 255.0f;
    const float t = (1.0f - saturation * (1.0f - fraction)) * value * 255.0f;
    const float v = value * 255.0f;
    switch (sector) {
    case 0:
        return packColour(v, t, p);
    case 1:
        return packColour(q, v, p);
    case 2:
        return packColour(p, v, t);
    case 3:
        return packColour(p, q, v);
    case 4:
        return packColour(t, p, v);
    default:
        return packColour(v, p, q);
    }
}

uint32_t randomBoltColour() {
    static constexpr std::array<float, 6> hues = {0.0f, 301.0f, 188.0f, 174.0f, 99.0f, 61.0f};
    const int32_t index = (rand15() % 24) / 4;
    return hsvToColour(hues[static_cast<std::size_t>(index)], 0.5f, 1.0f);
}
