#include "backends/sdl/HiddenCursor.h"

#include <SDL.h>

namespace Sdl {

HiddenCursor::HiddenCursor() : savedState_(SDL_ShowCursor(SDL_QUERY)) {
    SDL_ShowCursor(SDL_DISABLE);
}

HiddenCursor::~HiddenCursor() {
    restore();
}

void HiddenCursor::restore() {
    if (restored_) {
        return;
    }
    restored_ = true;
    // A failed query answers negative; the cursor is then shown, the safer guess.
    SDL_ShowCursor(savedState_ == SDL_DISABLE ? SDL_DISABLE : SDL_ENABLE);
}

} // namespace Sdl
