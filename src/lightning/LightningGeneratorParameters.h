#pragma once

#include "lightning/PointF.h"

#include <cstdint>

// How one bolt is grown. The controller takes the defaults and sets only where the bolt enters,
// how far down the trunk must reach and the colour.
struct LightningGeneratorParameters {
    // The trunk stops once the lowest point reached, by it or any side branch, is at or below
    // this y.
    float limitY = 0.0f;
    // Length of every side branch, in segments.
    int32_t maxBranchSegments = 5;
    PointF start{0.0f, 0.0f};
    // Each branching level shortens and thins its segments by these factors.
    float branchLengthFactor = 0.85f;
    float branchWidthFactor = 0.4f;
    // Of the trunk, in pixels.
    float segmentLength = 20.0f;
    float width = 6.0f;
    // Chance per step that a side branch starts.
    float branchProbability = 0.2f;
    // 0x00BBGGRR, handed unchanged to the bolt.
    uint32_t colour = 0;

    LightningGeneratorParameters& setStart(PointF point) {
        start = point;
        return *this;
    }
    LightningGeneratorParameters& setLimitY(float y) {
        limitY = y;
        return *this;
    }
    LightningGeneratorParameters& setColour(uint32_t value) {
        colour = value;
        return *this;
    }
};
