#include "backends/sdl/SdlVideoSession.h"

#include "backends/sdl/SaverWindowError.h"

#include <SDL.h>

namespace Sdl {

SdlVideoSession::SdlVideoSession() {
    // A saver must not keep the system from blanking or powering down the screen after it.
    SDL_SetHintWithPriority(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1", SDL_HINT_DEFAULT);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw SaverWindowError::fromSdl("start the video system");
    }
}

SdlVideoSession::~SdlVideoSession() {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace Sdl
