#pragma once

#include "saver/ISaverDisplay.h"

// The process-wide display device as the saver window opens and shuts it: shutting down puts the
// desktop's mode back.
class DirectDrawSaverDisplay : public ISaverDisplay {
public:
    void open(SDL_Window& window) override;
    void shutDown() override;
};
