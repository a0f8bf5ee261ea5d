#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelFormat.h"

#include <cstdint>

// Marks, one bit per pixel, the pixels whose luma, (299 red + 587 green + 114 blue) / 1000
// rounded down, is above a threshold. Bit x % 64 of word x / 64 of a row is pixel x; each row
// has wordsPerRow words.
void markBrightPixels(const PixelBufferDesc& pixels, const Pixels::PixelFormat& format,
                      uint32_t threshold, uint64_t* bits, int32_t wordsPerRow);
