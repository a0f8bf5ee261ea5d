#pragma once

#include "backends/sdl/IDisplayModeSwitch.h"
#include "backends/sdl/VideoSubsystem.h"
#include "display/DisplayModeDesc.h"
#include "display/PixelSurface.h"
#include "display/PrimarySurface.h"
#include "display/ScreenAccess.h"
#include "display/SurfaceLossEpoch.h"

#include <cstdint>
#include <memory>
#include <optional>

struct SDL_Window;
union SDL_Event;

namespace Sdl {

// The display: its modes, the saver window it draws into, and the surfaces of the scene. One
// device serves the whole process (openDevice()); tests may make their own with a fake mode
// switch. Failures raise DX5::Error.
class SdlDisplay {
public:
    // The process-wide device, made on first use. Raises DX5::NoDirectX5Error when video cannot
    // start and DX5::UnsupportedVideoModeError when the display's mode cannot be read.
    static SdlDisplay& openDevice();
    static bool exists();
    static void releaseDevice();

    explicit SdlDisplay(std::unique_ptr<IDisplayModeSwitch> modeSwitch);
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    // The mode set with setDisplayMode() while it is in force, else the display's own mode.
    Pixels::DisplayModeDesc currentDisplayMode() const;

    // Remembers the window to draw into. Exclusive access makes it full screen: in the chosen
    // mode when one is set, over the desktop's mode otherwise.
    void setScreenAccess(SDL_Window* window, Pixels::ScreenAccess access);
    // Chooses the mode; it takes effect at once when the window is already exclusive.
    void setDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t refreshRate);
    // Puts the desktop's mode back and forgets the chosen one.
    void restoreDisplayMode();

    // The primary surface with its back buffer, of the current display mode's size; 16-bit modes
    // get 5-6-5 surfaces, 24-bit modes three-byte ones, all others XRGB8888.
    std::unique_ptr<Pixels::PrimarySurface> createPrimaryChain();
    // The same at the given size, in the current mode's depth: for a window smaller than the
    // screen that is not ours to resize.
    std::unique_ptr<Pixels::PrimarySurface> createPrimaryChain(int32_t width, int32_t height);
    // A memory surface of the model's size and pixel format.
    std::unique_ptr<Pixels::PixelSurface>
    createOffscreenLike(const Pixels::PixelSurface& model) const;

    // Give every window event here: a reset renderer loses all surfaces. True when it did.
    bool handleEvent(const SDL_Event& event);

    SDL_Window* window() const { return window_; }

private:
    VideoSubsystem video_;
    std::unique_ptr<IDisplayModeSwitch> modeSwitch_;
    std::shared_ptr<Pixels::SurfaceLossEpoch> lossEpoch_;
    std::optional<Pixels::DisplayModeDesc> chosenMode_;
    SDL_Window* window_ = nullptr;
    bool exclusive_ = false;
};

} // namespace Sdl
