#pragma once

struct SDL_Window;

namespace Sdl {

// The display device as the saver window sees it: opened once the window is shown, and shut down
// (display mode restored, device released) when the window goes, also on abnormal termination.
class ISaverDisplay {
public:
    virtual ~ISaverDisplay() = default;
    virtual void open(SDL_Window& window) = 0;
    // Called at most once, also after open() failed half-way; it must not depend on the scene,
    // which may be gone by then.
    virtual void shutDown() = 0;
};

} // namespace Sdl
