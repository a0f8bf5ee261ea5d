#pragma once

#include <cstdint>
#include <span>

// One row of an up-down control's acceleration: once an arrow has been held this many seconds,
// each step moves by `step`.
struct SpinAcceleration {
    int32_t afterSeconds;
    int32_t step;
};

// An up-down control's range and starting position.
struct SpinSettings {
    int32_t minimum;
    int32_t maximum;
    int32_t position;
};

// The step of the last row whose time an arrow held this long has reached; 1 before the first.
int32_t stepAfter(std::span<const SpinAcceleration> table, int64_t heldMilliseconds);
