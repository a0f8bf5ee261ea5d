#pragma once

#include "common/SceneBuffers.h"

#include <cstdint>

// Draws one bolt over a rain frame the way the saver does: the lightning view with the default
// options, its flash image made from the background picture, the bolt from the lightning
// controller. bitsPerPixel is the frame's depth; 8-bit frames are drawn at 32 bits, since the
// saver never draws lightning into a palette.
RgbImage overlayBolt(const RgbImage& background, const RgbImage& frame, int32_t bitsPerPixel,
                     bool flash);
