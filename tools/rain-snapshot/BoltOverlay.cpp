#include "rain-snapshot/BoltOverlay.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float glowWidth = 3.0f;

void addLight(uint8_t* rgb, uint32_t colour, float strength) {
    for (int channel = 0; channel < 3; ++channel) {
        const auto level = static_cast<float>((colour >> (8 * channel)) & 0xFF);
        const float value = rgb[channel] + level * strength;
        rgb[channel] = static_cast<uint8_t>(std::min(value, 255.0f));
    }
}

void paintSegment(RgbImage& image, const ILightningSegment& segment, uint32_t colour) {
    const PointF a = segment.start();
    const PointF b = segment.end();
    const float reach = segment.halfWidth() + glowWidth;
    const int32_t left = std::max(0, static_cast<int32_t>(std::floor(std::min(a.x, b.x) - reach)));
    const int32_t right =
        std::min(image.width - 1, static_cast<int32_t>(std::ceil(std::max(a.x, b.x) + reach)));
    const int32_t top = std::max(0, static_cast<int32_t>(std::floor(std::min(a.y, b.y) - reach)));
    const int32_t bottom =
        std::min(image.height - 1, static_cast<int32_t>(std::ceil(std::max(a.y, b.y) + reach)));
    for (int32_t y = top; y <= bottom; ++y) {
        for (int32_t x = left; x <= right; ++x) {
            const PointF centre{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const float outside = segment.distanceTo(centre) - segment.halfWidth();
            if (outside >= glowWidth) {
                continue;
            }
            const float strength = outside <= 0 ? 1.0f : 0.45f * (1.0f - outside / glowWidth);
            addLight(&image.rgb[static_cast<std::size_t>((y * image.width + x) * 3)], colour,
                     strength);
        }
    }
}

} // namespace

void overlayBolt(RgbImage& image, const ILightning& bolt) {
    for (const auto& branch : bolt.branches()) {
        for (const auto& segment : branch->segments()) {
            paintSegment(image, *segment, bolt.colour());
        }
    }
}
