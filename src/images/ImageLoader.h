#pragma once

#include "images/IImage.h"

#include <filesystem>
#include <memory>

namespace Graphics {

// Loads a picture of the wallpaper list. The name decides the decoder: ".bmp" in any case is a
// Windows bitmap, every other name is tried as JPEG (so a GIF fails with the JPEG decoder's
// message). Throws a Graphics::FileNotFoundError for a missing file, a Graphics::Error for one
// that cannot be decoded.
std::unique_ptr<IImage> loadImage(const std::filesystem::path& file);

// Whether the file may go on the wallpaper list: a name ending in .jpg or .jpeg with a readable
// JPEG header, or in .bmp with the bitmap signature; names in any case. A missing or
// unreadable file is not supported; only unexpected failures (out of memory) propagate.
bool isSupportedImage(const std::filesystem::path& file);

} // namespace Graphics
