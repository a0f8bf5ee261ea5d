#pragma once

#include "common/SceneBuffers.h"
#include "lightning/ILightning.h"

// Paints a bolt's strokes over a picture with a soft additive glow, so that the shape of a
// generated bolt can be judged by eye.
void overlayBolt(RgbImage& image, const ILightning& bolt);
