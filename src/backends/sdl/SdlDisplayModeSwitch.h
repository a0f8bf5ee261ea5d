#pragma once

#include "backends/sdl/IDisplayModeSwitch.h"

namespace Sdl {

// Display modes through SDL: a chosen mode by real full screen, the desktop's by desktop full
// screen. Failures raise DX5::Error with SDL's message.
class SdlDisplayModeSwitch : public IDisplayModeSwitch {
public:
    Pixels::DisplayModeDesc currentMode(SDL_Window* window) override;
    void showFullscreenAtDesktopMode(SDL_Window* window) override;
    void showFullscreenInMode(SDL_Window* window, const Pixels::DisplayModeDesc& mode) override;
    void returnToDesktopMode(SDL_Window* window) override;
};

} // namespace Sdl
