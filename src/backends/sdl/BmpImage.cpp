#include "images/BmpImage.h"

#include "images/BmpLayout.h"
#include "resources/EmbeddedResources.h"

#include <SDL.h>
#include <cstring>
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

// The reader allocates what the header asks for before it reads a single pixel.
void refuseImpossiblePictures(SDL_RWops* source) {
    unsigned char start[34] = {};
    const Sint64 position = SDL_RWtell(source);
    const std::size_t read = SDL_RWread(source, start, 1, sizeof start);
    SDL_RWseek(source, position, RW_SEEK_SET);
    const Sint64 fileBytes = SDL_RWsize(source) - position;
    const std::string fault = impossiblePictureFault(std::span(start, read), fileBytes);
    if (!fault.empty()) {
        SDL_RWclose(source);
        throw Graphics::Error("BMP image error: " + fault);
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
