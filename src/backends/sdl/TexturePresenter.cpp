#include "backends/sdl/TexturePresenter.h"

#include "backends/sdl/SdlPixelFormats.h"
#include "display/DX5Error.h"

#include <SDL.h>
#include <cstddef>

namespace Sdl {

namespace {

[[noreturn]] void raiseSdlError() {
    throw DX5::Error(std::string(SDL_GetError()));
}

void check(int result) {
    if (result != 0) {
        raiseSdlError();
    }
}

SDL_Renderer* rendererOf(SDL_Window* window) {
    if (window == nullptr) {
        throw DX5::Error(std::string("there is no window to show the picture in"));
    }
    return SDL_GetRenderer(window);
}

} // namespace

void TexturePresenter::RendererRelease::operator()(SDL_Renderer* renderer) const {
    SDL_DestroyRenderer(renderer);
}

void TexturePresenter::TextureRelease::operator()(SDL_Texture* texture) const {
    SDL_DestroyTexture(texture);
}

TexturePresenter::TexturePresenter(SDL_Window* window, int32_t width, int32_t height,
                                   Pixels::PixelFormat format)
    : renderer_(rendererOf(window)), width_(width), height_(height),
      sdlFormat_(sdlFormatFor(format)), memory_(width, height, format) {
    if (sdlFormat_ == SDL_PIXELFORMAT_UNKNOWN) {
        throw DX5::Error(std::string("the display cannot show pixels of this format"));
    }
    if (renderer_ == nullptr) {
        ownedRenderer_.reset(SDL_CreateRenderer(window, -1, 0));
        if (!ownedRenderer_) {
            raiseSdlError();
        }
        renderer_ = ownedRenderer_.get();
    }
    recreate();
}

TexturePresenter::~TexturePresenter() = default;

void TexturePresenter::show(std::span<const Pixels::PixelRect> areas) {
    const Pixels::PixelView primary = memory_.view();
    const int32_t bytesPerPixel = primary.format.bytesPerPixel();
    for (const Pixels::PixelRect& area : areas) {
        const SDL_Rect rect{area.left, area.top, area.width(), area.height()};
        const uint8_t* first = primary.pixels +
                               static_cast<std::ptrdiff_t>(area.top) * primary.pitch +
                               static_cast<std::ptrdiff_t>(area.left) * bytesPerPixel;
        check(SDL_UpdateTexture(texture_.get(), &rect, first, primary.pitch));
    }
    check(SDL_RenderCopy(renderer_, texture_.get(), nullptr, nullptr));
    SDL_RenderPresent(renderer_);
}

void TexturePresenter::recreate() {
    texture_.reset();
    texture_.reset(
        SDL_CreateTexture(renderer_, sdlFormat_, SDL_TEXTUREACCESS_STREAMING, width_, height_));
    if (!texture_) {
        raiseSdlError();
    }
}

} // namespace Sdl
