#include "backends/sdl/SaverWindowError.h"

#include <SDL.h>

namespace Sdl {

SaverWindowError SaverWindowError::fromSdl(const std::string& action) {
    return SaverWindowError("Could not " + action + ": " + SDL_GetError());
}

} // namespace Sdl
