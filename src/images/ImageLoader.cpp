#include "images/ImageLoader.h"

#include "images/BmpImage.h"
#include "images/FileBytes.h"
#include "images/GraphicsError.h"
#include "images/JpegDecompressor.h"
#include "images/JpegImage.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

namespace Graphics {

namespace {

// What follows the last dot of the file name itself, so a dot in a folder name never counts
// and ".bmp" alone has the extension "BMP".
std::string upperCaseExtension(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

bool startsWithBitmapSignature(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    char signature[2] = {};
    return stream.read(signature, sizeof signature) && signature[0] == 'B' && signature[1] == 'M';
}

bool hasJpegHeader(const std::filesystem::path& file) {
    const std::optional<std::vector<unsigned char>> bytes = Graphics::fileBytes(file);
    if (!bytes) {
        return false;
    }
    try {
        JPEG::Decompressor decoder;
        decoder.readFrom(*bytes);
        decoder.readHeader();
        return true;
    } catch (const Error&) {
        return false;
    }
}

} // namespace

std::unique_ptr<IImage> loadImage(const std::filesystem::path& file) {
    if (upperCaseExtension(file) == "BMP") {
        return BMP::Image::fromFile(file);
    }
    return JPEG::Image::fromFile(file);
}

bool isSupportedImage(const std::filesystem::path& file) {
    const std::string extension = upperCaseExtension(file);
    if (extension == "JPG" || extension == "JPEG") {
        return hasJpegHeader(file);
    }
    if (extension == "BMP") {
        return startsWithBitmapSignature(file);
    }
    return false;
}

} // namespace Graphics
