#pragma once

#include "images/Bitmap.h"
#include "images/DecodedImage.h"
#include "images/GraphicsError.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

namespace BMP {

// A Windows bitmap (any depth the platform's BMP reader knows, RLE included) converted to a
// 24-bit bitmap. A palettised picture becomes its palette colours, so the grey lightning
// texture reads back with blue = green = red = the stored index.
class Image : public Graphics::DecodedImage {
public:
    class FileNotFoundError : public Graphics::FileNotFoundError {
    public:
        FileNotFoundError() : Graphics::FileNotFoundError("BMP image file not found") {}
    };
    class ResourceNotFoundError : public BasicError {
    public:
        ResourceNotFoundError() : BasicError("BMP image resource not found") {}
    };

    // Throws FileNotFoundError when the file cannot be opened, and Graphics::Error when it is
    // not a bitmap we can read: telling the user that a damaged file is missing would send them
    // looking for the wrong fault.
    static std::unique_ptr<Image> fromFile(const std::filesystem::path& file);
    // A "BITMAP" resource built into the program, stored as a complete .bmp file.
    static std::unique_ptr<Image> fromResource(std::string_view name);
    // A complete .bmp file held in memory; Graphics::Error when it cannot be read.
    static std::unique_ptr<Image> fromMemory(std::span<const unsigned char> data);

    using DecodedImage::DecodedImage;
};

} // namespace BMP
