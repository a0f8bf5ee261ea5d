#pragma once

#include "display/PixelBufferDesc.h"
#include "rain/MapPixel.h"

#include <cstdint>

// The software renderer that turns wet map pixels into background seen through water. Its
// state is process-wide: the destination's channel layout and the highlight table, set once
// before the first frame.

// Records the channel masks of the destination format (zero masks for 8 bits per pixel) and
// loads the highlight table.
void setRendererPixelFormat(uint32_t redMask, uint32_t greenMask, uint32_t blueMask);

// The renderer's own cheap generator for the shimmer of trails, 0..n-1.
uint32_t nextRandom(uint32_t n);
// The generator starts at 0 with the program; tests put it back there.
void setNextRandomState(uint32_t state);

// Highlight to add to each channel of a drop pixel with the given normal, before clamping.
uint32_t highlightAmount(int32_t normalX, int32_t normalY, int32_t normalZ, uint32_t gain);

// Renders columns x0..x1 and rows y0..y1 of the map (mapPixel addresses map pixel (x0, y0)) from
// background into destination. Dry pixels are left alone.
void renderWetPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
                     int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
                     const PixelBufferDesc& background);
