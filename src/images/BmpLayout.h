#pragma once

#include <cstdint>
#include <span>
#include <string>

// Checks of a bitmap file's headers against the file, made before a reader trusts them. Each
// gives why the file cannot be read, or an empty text when it passes.
namespace BMP {

// The file's first bytes (the headers need 34) and its size. A header naming a picture of
// terabytes, a depth no picture has, or uncompressed pixels that cannot fit in the file is
// refused before a reader allocates what it names: a few damaged bytes must not cost a
// gigabyte. What the first bytes do not show is left to the reader.
std::string impossiblePictureFault(std::span<const unsigned char> start, int64_t fileBytes);

// The whole file, for a reader that follows the headers without checking them (the system's):
// besides the above, every part they name (the colour masks, the palette and the pixels,
// run-length data included) must lie inside the file.
std::string partOutsideFileFault(std::span<const unsigned char> file);

} // namespace BMP
