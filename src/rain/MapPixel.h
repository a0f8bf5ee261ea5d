#pragma once

#include <cstdint>

// One pixel of the drop map and of every template: how high the water stands and which way its
// surface faces. Height 0 is dry glass, 1 a wet trail, 2 and more the body of a drop.
struct MapPixel {
    uint8_t height;
    int8_t normalX;
    int8_t normalY;
    int8_t normalZ;

    friend bool operator==(const MapPixel&, const MapPixel&) = default;
};

static_assert(sizeof(MapPixel) == 4);
