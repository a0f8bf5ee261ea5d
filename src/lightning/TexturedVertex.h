#pragma once

#include <cstdint>

// A screen-space vertex: position in pixels (x right, y down), depth and reciprocal w (unused
// by our flat rasteriser, kept for the layout the mesh is specified in), colour 0xAARRGGBB,
// specular, and texture coordinates (1.0 is the whole texture).
struct TexturedVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float rhw = 0.0f;
    uint32_t colour = 0;
    uint32_t specular = 0;
    float u = 0.0f;
    float v = 0.0f;
};

static_assert(sizeof(TexturedVertex) == 32);
