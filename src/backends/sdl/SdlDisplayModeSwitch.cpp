#include "backends/sdl/SdlDisplayModeSwitch.h"

#include "backends/sdl/SdlPixelFormats.h"
#include "display/DX5Error.h"

#include <SDL.h>
#include <string>

namespace Sdl {

namespace {

[[noreturn]] void raiseSdlError() {
    throw DX5::Error(std::string(SDL_GetError()));
}

int displayOf(SDL_Window* window) {
    if (window == nullptr) {
        return 0;
    }
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0) {
        raiseSdlError();
    }
    return display;
}

void setFullscreen(SDL_Window* window, Uint32 flags) {
    if (SDL_SetWindowFullscreen(window, flags) != 0) {
        raiseSdlError();
    }
}

bool isInRealFullscreen(SDL_Window* window) {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN;
}

} // namespace

Pixels::DisplayModeDesc SdlDisplayModeSwitch::currentMode(SDL_Window* window) {
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(displayOf(window), &mode) != 0) {
        raiseSdlError();
    }
    return {mode.w, mode.h, pixelFormatFromSdl(mode.format), mode.refresh_rate};
}

void SdlDisplayModeSwitch::showFullscreenAtDesktopMode(SDL_Window* window) {
    setFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void SdlDisplayModeSwitch::showFullscreenInMode(SDL_Window* window,
                                                const Pixels::DisplayModeDesc& mode) {
    SDL_DisplayMode wanted{};
    wanted.format = sdlFormatFor(mode.format);
    wanted.w = mode.width;
    wanted.h = mode.height;
    wanted.refresh_rate = mode.refreshRate;
    SDL_DisplayMode nearest{};
    if (SDL_GetClosestDisplayMode(displayOf(window), &wanted, &nearest) == nullptr) {
        raiseSdlError();
    }
    if (SDL_SetWindowDisplayMode(window, &nearest) != 0) {
        raiseSdlError();
    }
    setFullscreen(window, SDL_WINDOW_FULLSCREEN);
}

void SdlDisplayModeSwitch::returnToDesktopMode(SDL_Window* window) {
    if (isInRealFullscreen(window)) {
        setFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

} // namespace Sdl
