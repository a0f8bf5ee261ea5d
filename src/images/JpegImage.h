#pragma once

#include "images/Bitmap.h"
#include "images/DecodedImage.h"
#include "images/GraphicsError.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace JPEG {

// A JPEG picture decoded into a 24-bit bitmap. A damaged or truncated stream throws
// Graphics::Error with "JPEG library error: " and the decoder's message.
class Image : public Graphics::DecodedImage {
public:
    class FileNotFoundError : public Graphics::FileNotFoundError {
    public:
        FileNotFoundError() : Graphics::FileNotFoundError("Image file not found") {}
    };

    // Throws FileNotFoundError when the file cannot be opened.
    static std::unique_ptr<Image> fromFile(const std::filesystem::path& file);
    static std::unique_ptr<Image> fromMemory(std::span<const unsigned char> data);

    using DecodedImage::DecodedImage;
};

} // namespace JPEG
