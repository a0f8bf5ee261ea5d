#include "backends/sdl/SaverWindowError.h"

#include <SDL.h>

SaverWindowError SaverWindowError::fromSdl(const std::string& action) {
    return SaverWindowError("Could not " + action + ": " + SDL_GetError());
}
