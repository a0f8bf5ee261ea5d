#include "backends/sdl/VideoSubsystem.h"

#include "display/DX5Error.h"

#include <SDL.h>
#include <cstdlib>
#include <string>
#include <string_view>

namespace Sdl {

namespace {

// SDL falls back to drivers that show nothing when no display can be reached; a saver started
// there would run unseen until killed. They serve only when asked for by name (tests, tools).
bool drawsNowhereUnasked() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        return true;
    }
    const std::string_view current(driver);
    if (current != "offscreen" && current != "dummy") {
        return false;
    }
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested == nullptr || current != requested;
}

} // namespace

VideoSubsystem::VideoSubsystem() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw DX5::NoDirectX5Error(std::string("SDL: ") + SDL_GetError());
    }
    if (drawsNowhereUnasked()) {
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string reason = std::string("SDL found no display and offered only its \"") +
                                   (driver != nullptr ? driver : "") +
                                   "\" video driver, which shows nothing";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw DX5::NoDirectX5Error(reason);
    }
}

VideoSubsystem::~VideoSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace Sdl
