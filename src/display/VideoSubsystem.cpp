#include "display/VideoSubsystem.h"

#include "display/DX5Error.h"

#include <SDL.h>

namespace DDraw {

VideoSubsystem::VideoSubsystem() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw DX5::NoDirectX5Error();
    }
}

VideoSubsystem::~VideoSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace DDraw
