#pragma once

#include "common/SceneBuffers.h"

#include <string>

// Reads a JPEG as 8-bit RGB; throws std::runtime_error with the decoder's text on failure.
RgbImage readJpeg(const std::string& path);
