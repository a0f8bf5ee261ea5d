#include "backends/sdl/SdlSaverDisplay.h"

#include "backends/sdl/SdlDisplay.h"

namespace Sdl {

void SdlSaverDisplay::open(SDL_Window&) {
    SdlDisplay::openDevice();
}

void SdlSaverDisplay::shutDown() {
    if (SdlDisplay::exists()) {
        SdlDisplay::openDevice().restoreDisplayMode();
        SdlDisplay::releaseDevice();
    }
}

} // namespace Sdl
