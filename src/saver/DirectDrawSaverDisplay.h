#pragma once

#include "saver/ISaverDisplay.h"

// The process-wide display device as the saver window opens and shuts it: opening also makes the
// display's modes known to the display-mode model; shutting down puts the desktop's mode back.
class DirectDrawSaverDisplay : public ISaverDisplay {
public:
    void open(SDL_Window& window) override;
    void shutDown() override;
};
