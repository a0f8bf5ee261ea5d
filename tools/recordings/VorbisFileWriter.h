#pragma once

#include "Recording.h"

#include <string>

// Encodes a recording as an Ogg Vorbis file. quality: the encoder's variable-bit-rate scale,
// -0.1 (smallest) to 1.0 (best). Throws std::runtime_error when the encoder or the file fails.
void writeOggVorbis(const std::string& path, const Recording& recording, float quality);
