#include "rain/DropTuning.h"

namespace {

// The unit of every scaled constant is referenceRadius / 12, formed from the single-precision
// value of 1/12 so that products a hair above an integer (8 x 768 / 12) truncate to it.
int32_t scaled(int32_t referenceRadius, int32_t factor) {
    const double unit = referenceRadius * static_cast<double>(1.0f / 12.0f);
    return static_cast<int32_t>(unit * factor);
}

DropTuning& tuningInForce() {
    static DropTuning tuning = DropTuning::forReferenceRadius(8);
    return tuning;
}

} // namespace

DropTuning DropTuning::forReferenceRadius(int32_t referenceRadius) {
    const int32_t r = referenceRadius;
    return DropTuning{
        .referenceRadius = r,
        .slideSpeed = scaled(r, 2048),
        .slowStartBase = scaled(r, 256),
        .slowStartSpread = scaled(r, 143),
        .fastStartBase = scaled(r, 768),
        .fastStartSpread = scaled(r, 256),
        .wobbleAmplitude = scaled(r, 256),
        .deceleration = scaled(r, -128),
        .sidewaysPull = scaled(r, 256),
        .wobbleCountdownRange = 15,
        .stillRadius = scaled(r, 4),
        .slowStartPercent = 10,
        .fastStartPercent = 4,
    };
}

void setDropScale(int32_t referenceRadius) {
    tuningInForce() = DropTuning::forReferenceRadius(referenceRadius);
}

const DropTuning& dropTuning() {
    return tuningInForce();
}
