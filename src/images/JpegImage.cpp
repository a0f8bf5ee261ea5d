#include "images/JpegImage.h"

#include "images/FileBytes.h"
#include "images/JpegDecompressor.h"

#include <cstdio>
#include <vector>

namespace JPEG {

namespace {

void copyRgbAsBgr(const std::vector<unsigned char>& rgb, uint8_t* bgr) {
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        bgr[i] = rgb[i + 2];
        bgr[i + 1] = rgb[i + 1];
        bgr[i + 2] = rgb[i];
    }
}

Graphics::Bitmap decode(Decompressor& decoder) {
    decoder.readHeader();
    Graphics::Bitmap pixels(decoder.imageWidth(), decoder.imageHeight());
    decoder.startRgbOutput();
    std::vector<unsigned char> row(static_cast<std::size_t>(pixels.width()) * 3);
    for (int32_t y = 0; y < pixels.height(); ++y) {
        decoder.readScanline(row.data());
        copyRgbAsBgr(row, pixels.row(y));
    }
    decoder.finish();
    return pixels;
}

} // namespace

// Read whole through the standard library, which opens any file name the system allows.
std::unique_ptr<Image> Image::fromFile(const std::filesystem::path& file) {
    const std::optional<std::vector<unsigned char>> bytes = Graphics::fileBytes(file);
    if (!bytes) {
        throw FileNotFoundError();
    }
    return fromMemory(*bytes);
}

std::unique_ptr<Image> Image::fromMemory(std::span<const unsigned char> data) {
    Decompressor decoder;
    decoder.readFrom(data);
    return std::make_unique<Image>(decode(decoder));
}

} // namespace JPEG
