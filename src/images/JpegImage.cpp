#include "images/JpegImage.h"

#include "images/JpegDecompressor.h"

#include <cstdio>
#include <vector>

namespace JPEG {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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

std::unique_ptr<Image> Image::fromFile(const std::filesystem::path& file) {
    const std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.c_str(), "rb"));
    if (!stream) {
        throw FileNotFoundError();
    }
    Decompressor decoder;
    decoder.readFrom(stream.get());
    return std::make_unique<Image>(decode(decoder));
}

std::unique_ptr<Image> Image::fromMemory(std::span<const unsigned char> data) {
    Decompressor decoder;
    decoder.readFrom(data);
    return std::make_unique<Image>(decode(decoder));
}

} // namespace JPEG
