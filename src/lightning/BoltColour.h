#pragma once

#include <cstdint>

// A colour 0x00BBGGRR from hue (degrees, 0..360), saturation and value (0..1); every channel is
// truncated to a byte.
uint32_t hsvToColour(float hue, float saturation, float value);

// One of six pale bolt colours, picked with one rand15 draw.
uint32_t randomBoltColour();
