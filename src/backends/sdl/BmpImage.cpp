#include "images/BmpImage.h"

#include "resources/EmbeddedResources.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace BMP {

namespace {

struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePointer = std::unique_ptr<SDL_Surface, SurfaceFreer>;

[[noreturn]] void throwDecodingError() {
    throw Graphics::Error(std::string("BMP image error: ") + SDL_GetError());
}

// SDL keeps 24-bit rows padded to 4 bytes as well, but we copy row by row rather than rely on
// its pitch.
Graphics::Bitmap copyPixels(SDL_Surface& bgr) {
    Graphics::Bitmap pixels(bgr.w, bgr.h);
    const auto rowBytes = static_cast<std::size_t>(bgr.w) * 3;
    const auto* source = static_cast<const uint8_t*>(bgr.pixels);
    for (int32_t y = 0; y < bgr.h; ++y) {
        std::memcpy(pixels.row(y), source + static_cast<std::ptrdiff_t>(y) * bgr.pitch, rowBytes);
    }
    return pixels;
}

int64_t littleEndian(const uint8_t* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    // Sign-extended: heights are negative for pictures stored top-down.
    const int shift = 64 - 8 * count;
    return static_cast<int64_t>(value << shift) >> shift;
}

[[noreturn]] void refuse(SDL_RWops* source, const std::string& reason) {
    SDL_RWclose(source);
    throw Graphics::Error("BMP image error: " + reason);
}

std::string sizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(std::abs(height)) + " pixels";
}

bool isPictureDepth(int64_t bitsPerPixel) {
    constexpr int64_t depths[] = {1, 2, 4, 8, 15, 16, 24, 32};
    return std::find(std::begin(depths), std::end(depths), bitsPerPixel) != std::end(depths);
}

// Stored without compression, row by row, each row padded to 4 bytes.
bool storedUncompressed(bool coreHeader, int64_t compression) {
    constexpr int64_t rgb = 0;
    constexpr int64_t bitFields = 3;
    constexpr int64_t alphaBitFields = 6;
    return coreHeader || compression == rgb || compression == bitFields ||
           compression == alphaBitFields;
}

// The reader allocates what the header asks for before it reads a single pixel, so a damaged
// header naming a picture of terabytes is refused first, as our own pictures are, and so is one
// whose uncompressed pixels cannot be in the file: a few damaged bytes must not cost a gigabyte.
void refuseImpossiblePictures(SDL_RWops* source) {
    uint8_t header[34] = {};
    const Sint64 start = SDL_RWtell(source);
    const std::size_t read = SDL_RWread(source, header, 1, sizeof header);
    SDL_RWseek(source, start, RW_SEEK_SET);
    if (read < 18 || header[0] != 'B' || header[1] != 'M') {
        return;
    }
    // The reader takes what lies past the end of a cut header for zeros.
    const int64_t headerBytes = static_cast<uint32_t>(littleEndian(header + 14, 4));
    const bool coreHeader = headerBytes == 12;
    const Sint64 fileBytes = SDL_RWsize(source) - start;
    if (fileBytes >= 0 && 14 + headerBytes > fileBytes) {
        refuse(source, "the file ends inside its header");
    }
    if (read < sizeof header && !(coreHeader && read >= 26)) {
        return;
    }
    // The older, shorter header stores its sizes without a sign, and the reader takes them so.
    const auto withoutSign = [](int64_t value) { return value & 0xFFFF; };
    const int64_t width =
        coreHeader ? withoutSign(littleEndian(header + 18, 2)) : littleEndian(header + 18, 4);
    const int64_t height =
        coreHeader ? withoutSign(littleEndian(header + 20, 2)) : littleEndian(header + 22, 4);
    const auto pixels = static_cast<double>(width) * static_cast<double>(std::abs(height));
    if (pixels * 4 > static_cast<double>(Graphics::Bitmap::largestByteCount())) {
        refuse(source, "a picture of " + sizeText(width, height) + " is too large");
    }
    // The reader would size its rows from any depth a header names.
    const int64_t bitsPerPixel = withoutSign(littleEndian(header + (coreHeader ? 24 : 28), 2));
    if (!isPictureDepth(bitsPerPixel)) {
        refuse(source, std::to_string(bitsPerPixel) + " bits per pixel is no depth of a picture");
    }
    const int64_t compression = coreHeader ? 0 : littleEndian(header + 30, 4);
    if (width <= 0 || height == 0 || !storedUncompressed(coreHeader, compression)) {
        return;
    }
    // Short of the last row's padding, at least: what the reader needs can only be more.
    const auto pixelOffset = static_cast<uint32_t>(littleEndian(header + 10, 4));
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int64_t lastRowBytes = (width * bitsPerPixel + 7) / 8;
    const int64_t needed = pixelOffset + rowBytes * (std::abs(height) - 1) + lastRowBytes;
    if (fileBytes >= 0 && needed > fileBytes) {
        refuse(source, "the file ends before the " + sizeText(width, height) + " its header names");
    }
}

// Takes over source, which SDL closes whatever happens.
Graphics::Bitmap decode(SDL_RWops* source) {
    refuseImpossiblePictures(source);
    const SurfacePointer loaded(SDL_LoadBMP_RW(source, 1));
    if (!loaded) {
        throwDecodingError();
    }
    const SurfacePointer bgr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_BGR24, 0));
    if (!bgr || SDL_LockSurface(bgr.get()) != 0) {
        throwDecodingError();
    }
    Graphics::Bitmap pixels = copyPixels(*bgr);
    SDL_UnlockSurface(bgr.get());
    return pixels;
}

} // namespace

std::unique_ptr<Image> Image::fromFile(const std::filesystem::path& file) {
    SDL_RWops* source = SDL_RWFromFile(file.c_str(), "rb");
    if (source == nullptr) {
        throw FileNotFoundError();
    }
    return std::make_unique<Image>(decode(source));
}

std::unique_ptr<Image> Image::fromResource(std::string_view name) {
    const auto bytes = Resources::lookUp("BITMAP", name);
    if (!bytes) {
        throw ResourceNotFoundError();
    }
    return fromMemory(
        std::span(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size()));
}

std::unique_ptr<Image> Image::fromMemory(std::span<const unsigned char> data) {
    if (data.size() > static_cast<std::size_t>(INT32_MAX)) {
        throw Graphics::Error(std::string("BMP image error: the file is too large"));
    }
    SDL_RWops* source = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    if (source == nullptr) {
        throwDecodingError();
    }
    return std::make_unique<Image>(decode(source));
}

} // namespace BMP
