#include "ShownScreen.h"

#include <cstring>
#include <dlfcn.h>
#include <vector>

namespace {

struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

Picture shown;

void record(SDL_Surface* surface, const SDL_Rect* rects, int count) {
    if (surface->format->BytesPerPixel != 4) {
        return;
    }
    if (shown.width != surface->w || shown.height != surface->h) {
        shown = {surface->w, surface->h,
                 std::vector<uint32_t>(static_cast<std::size_t>(surface->w) * surface->h)};
    }
    for (int i = 0; i < count; ++i) {
        const SDL_Rect& rect = rects[i];
        for (int32_t y = rect.y; y < rect.y + rect.h; ++y) {
            std::memcpy(&shown.pixels[static_cast<std::size_t>(y) * shown.width + rect.x],
                        static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch +
                            rect.x * 4,
                        static_cast<std::size_t>(rect.w) * 4);
        }
    }
}

} // namespace

extern "C" int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    using Update = int (*)(SDL_Window*, const SDL_Rect*, int);
    static const auto sdlsOwn =
        reinterpret_cast<Update>(dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects"));
    const int result = sdlsOwn(window, rects, count);
    // Only a valid surface is updated, and asking for it then makes no new one.
    if (result == 0) {
        record(SDL_GetWindowSurface(window), rects, count);
    }
    return result;
}

namespace ShownScreen {

void forget() {
    shown = {};
}

bool shows(const PixelBufferDesc& pixels) {
    if (shown.width != pixels.width || shown.height != pixels.height) {
        return false;
    }
    for (int32_t y = 0; y < pixels.height; ++y) {
        if (std::memcmp(&shown.pixels[static_cast<std::size_t>(y) * shown.width],
                        pixels.pixels + static_cast<std::ptrdiff_t>(y) * pixels.pitch,
                        static_cast<std::size_t>(pixels.width) * 4) != 0) {
            return false;
        }
    }
    return true;
}

uint32_t pixelAt(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= shown.width || y >= shown.height) {
        return 0;
    }
    return shown.pixels[static_cast<std::size_t>(y) * shown.width + x];
}

} // namespace ShownScreen
