#pragma once

#include "common/SceneBuffers.h"

#include <string>

// Reads any PNG as 8-bit RGB; throws std::runtime_error with the library's text on failure.
RgbImage readPng(const std::string& path);
void writePng(const std::string& path, const RgbImage& image);
