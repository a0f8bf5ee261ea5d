#pragma once

#include "backends/sdl/ISaverDisplay.h"

namespace Sdl {

// The process-wide display device as the saver window opens and shuts it: shutting down puts the
// desktop's mode back.
class SdlSaverDisplay : public ISaverDisplay {
public:
    void open(SDL_Window& window) override;
    void shutDown() override;
};

} // namespace Sdl
