#pragma once

#include <cstdint>

// How drops move, derived from the largest radius a drop keeps. Speeds are in 1/256 pixel per
// step and scale with radius / referenceRadius; every value is fixed once per process.
struct DropTuning {
    // Largest radius a drop keeps (R).
    int32_t referenceRadius;
    // Speed on wet glass.
    int32_t slideSpeed;
    // A start speed is base + spread - ((rand15 x 2 x spread) >> 15) before scaling by radius.
    int32_t slowStartBase;
    int32_t slowStartSpread;
    int32_t fastStartBase;
    int32_t fastStartSpread;
    // Sideways speed while wobbling lies in -amplitude + 1 .. amplitude.
    int32_t wobbleAmplitude;
    // Added to the vertical speed every step on dry glass.
    int32_t deceleration;
    // Sideways speed toward wet glass.
    int32_t sidewaysPull;
    // Steps until the next wobble are drawn below this.
    int32_t wobbleCountdownRange;
    // Drops of this radius or smaller never move by themselves.
    int32_t stillRadius;
    // Chances per step, in percent, that a resting drop starts to slide.
    int32_t slowStartPercent;
    int32_t fastStartPercent;

    static DropTuning forReferenceRadius(int32_t referenceRadius);
};

// Fixes the tuning for the whole process; call before building any drop system.
void setDropScale(int32_t referenceRadius);

// The tuning in force; that of reference radius 8 until setDropScale says otherwise.
const DropTuning& dropTuning();
