#pragma once

#include "display/DisplayModeDesc.h"

struct SDL_Window;

namespace Sdl {

// What the device asks of the platform's display modes; tests put a fake in its place, as a
// virtual X server offers only one mode.
class IDisplayModeSwitch {
public:
    virtual ~IDisplayModeSwitch() = default;
    // The mode of the window's display (the first display when window is null).
    virtual Pixels::DisplayModeDesc currentMode(SDL_Window* window) = 0;
    // Full screen over the desktop without changing the mode.
    virtual void showFullscreenAtDesktopMode(SDL_Window* window) = 0;
    // Full screen in the display's mode nearest to mode.
    virtual void showFullscreenInMode(SDL_Window* window, const Pixels::DisplayModeDesc& mode) = 0;
    // Puts the desktop's own mode back, keeping the window full screen.
    virtual void returnToDesktopMode(SDL_Window* window) = 0;
};

} // namespace Sdl
