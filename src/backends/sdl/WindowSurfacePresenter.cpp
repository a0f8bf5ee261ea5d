#include "backends/sdl/WindowSurfacePresenter.h"

#include "backends/sdl/SdlPixelFormats.h"
#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"

#include <SDL.h>
#include <string>

namespace Sdl {

namespace {

SDL_Rect sdlRectOf(const Pixels::PixelRect& area) {
    return {area.left, area.top, area.width(), area.height()};
}

} // namespace

void WindowSurfacePresenter::SurfaceRelease::operator()(SDL_Surface* surface) const {
    SDL_FreeSurface(surface);
}

void WindowSurfacePresenter::preferSharedMemory() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

WindowSurfacePresenter::WindowSurfacePresenter(SDL_Window* window, int32_t width, int32_t height,
                                               Pixels::PixelFormat format)
    : window_(window), width_(width), height_(height), format_(format),
      sdlFormat_(sdlFormatFor(format)) {
    if (window_ == nullptr) {
        throw DX5::Error(std::string("there is no window to show the picture in"));
    }
    if (sdlFormat_ == SDL_PIXELFORMAT_UNKNOWN) {
        throw DX5::Error(std::string("the display cannot show pixels of this format"));
    }
    preferSharedMemory();
    recreate();
}

WindowSurfacePresenter::~WindowSurfacePresenter() = default;

void WindowSurfacePresenter::recreate() {
    screen_ = SDL_GetWindowSurface(window_);
    if (screen_ == nullptr) {
        throw DX5::Error(std::string(SDL_GetError()));
    }
    straight_ = drawsStraightIntoScreen();
}

bool WindowSurfacePresenter::drawsStraightIntoScreen() const {
    return screen_->w == width_ && screen_->h == height_ && screen_->format->format == sdlFormat_;
}

Pixels::PixelView WindowSurfacePresenter::frontBuffer() {
    if (straight_) {
        return {static_cast<uint8_t*>(screen_->pixels), width_, height_, screen_->pitch, format_};
    }
    return memory();
}

Pixels::PixelView WindowSurfacePresenter::memory() {
    if (!memory_) {
        memory_.emplace(width_, height_, format_);
    }
    return memory_->view();
}

void WindowSurfacePresenter::show(std::span<const Pixels::PixelRect> areas) {
    if (areas.empty()) {
        return;
    }
    if (straight_) {
        sendToScreen(areas);
        return;
    }
    carryOver(areas);
}

// The front buffer in memory is converted into the window's format, and scaled over the whole
// window when the window has another size (a display mode SDL could not set).
void WindowSurfacePresenter::carryOver(std::span<const Pixels::PixelRect> areas) {
    SDL_Surface* source = memoryAsSdlSurface();
    if (screen_->w != width_ || screen_->h != height_) {
        if (SDL_BlitScaled(source, nullptr, screen_, nullptr) != 0) {
            throw DX5::Error(std::string(SDL_GetError()));
        }
        const Pixels::PixelRect whole{0, 0, screen_->w, screen_->h};
        sendToScreen({&whole, 1});
        return;
    }
    for (const Pixels::PixelRect& area : areas) {
        SDL_Rect from = sdlRectOf(area);
        SDL_Rect to = from;
        if (SDL_BlitSurface(source, &from, screen_, &to) != 0) {
            throw DX5::Error(std::string(SDL_GetError()));
        }
    }
    sendToScreen(areas);
}

// SDL refuses the update once the window has changed size: the screen has to be taken again.
void WindowSurfacePresenter::sendToScreen(std::span<const Pixels::PixelRect> areas) {
    rects_.clear();
    for (const Pixels::PixelRect& area : areas) {
        rects_.push_back(sdlRectOf(area));
    }
    if (SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size())) !=
        0) {
        throw DX5::Error(DX5::DDERR_SURFACELOST);
    }
}

SDL_Surface* WindowSurfacePresenter::memoryAsSdlSurface() {
    if (!memoryView_) {
        const Pixels::PixelView pixels = memory();
        memoryView_.reset(SDL_CreateRGBSurfaceWithFormatFrom(
            pixels.pixels, pixels.width, pixels.height, pixels.format.bitsPerPixel, pixels.pitch,
            sdlFormat_));
        if (!memoryView_) {
            throw DX5::Error(std::string(SDL_GetError()));
        }
        SDL_SetSurfaceBlendMode(memoryView_.get(), SDL_BLENDMODE_NONE);
    }
    return memoryView_.get();
}

} // namespace Sdl
