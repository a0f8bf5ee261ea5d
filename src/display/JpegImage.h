#pragma once

#include "display/Bitmap.h"
#include "display/GraphicsError.h"
#include "display/IImage.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace JPEG {

// A JPEG picture decoded into a 24-bit bitmap. A damaged or truncated stream throws
// Graphics::Error with "JPEG library error: " and the decoder's message.
class Image : public Graphics::IImage {
public:
    class FileNotFoundError : public Graphics::FileNotFoundError {
    public:
        FileNotFoundError() : Graphics::FileNotFoundError("Image file not found") {}
    };

    // Throws FileNotFoundError when the file cannot be opened.
    static std::unique_ptr<Image> fromFile(const std::filesystem::path& file);
    static std::unique_ptr<Image> fromMemory(std::span<const unsigned char> data);

    explicit Image(Graphics::Bitmap pixels) : pixels_(std::move(pixels)) {}

    int32_t width() const override { return pixels_.width(); }
    int32_t height() const override { return pixels_.height(); }
    const Graphics::Bitmap& bitmap() const override { return pixels_; }

private:
    Graphics::Bitmap pixels_;
};

} // namespace JPEG
