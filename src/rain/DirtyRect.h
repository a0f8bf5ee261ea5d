#pragma once

#include <cstdint>

// A changed part of the drop map. All four bounds are inclusive; the field order is the one the
// stamping code has always produced.
struct DirtyRect {
    int32_t left;
    int32_t bottom;
    int32_t right;
    int32_t top;

    friend bool operator==(const DirtyRect&, const DirtyRect&) = default;
};
