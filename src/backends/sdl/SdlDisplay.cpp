#include "backends/sdl/SdlDisplay.h"

#include "backends/sdl/SdlDisplayModeSwitch.h"
#include "backends/sdl/TexturePresenter.h"
#include "backends/sdl/WindowSurfacePresenter.h"
#include "display/DX5Error.h"

#include <SDL.h>
#include <cstdlib>
#include <string>

namespace Sdl {

namespace {

// Made and released on the main thread only.
std::unique_ptr<SdlDisplay>& processDevice() {
    static std::unique_ptr<SdlDisplay> device;
    return device;
}

Pixels::PixelFormat modeFormatFor(int32_t bitsPerPixel) {
    return bitsPerPixel == 8 ? Pixels::PixelFormat::indexed8()
                             : Pixels::PixelFormat::forSurfaceDepth(bitsPerPixel);
}

// The window's own pixel buffer costs a fraction of a renderer where there is no graphics
// processor, and little more where there is one; PLUVO_PRESENT=texture asks for the renderer.
std::unique_ptr<Pixels::IScreenPresenter> makePresenter(SDL_Window* window, int32_t width,
                                                        int32_t height,
                                                        const Pixels::PixelFormat& format) {
    const char* choice = std::getenv("PLUVO_PRESENT");
    if (choice != nullptr && std::string(choice) == "texture") {
        return std::make_unique<TexturePresenter>(window, width, height, format);
    }
    return std::make_unique<WindowSurfacePresenter>(window, width, height, format);
}

bool isDisplayDepth(int32_t bitsPerPixel) {
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

} // namespace

SdlDisplay& SdlDisplay::openDevice() {
    std::unique_ptr<SdlDisplay>& device = processDevice();
    if (!device) {
        auto opened = std::make_unique<SdlDisplay>(std::make_unique<SdlDisplayModeSwitch>());
        try {
            opened->currentDisplayMode();
        } catch (const DX5::Error&) {
            throw DX5::UnsupportedVideoModeError();
        }
        device = std::move(opened);
    }
    return *device;
}

bool SdlDisplay::exists() {
    return processDevice() != nullptr;
}

void SdlDisplay::releaseDevice() {
    processDevice().reset();
}

SdlDisplay::SdlDisplay(std::unique_ptr<IDisplayModeSwitch> modeSwitch)
    : modeSwitch_(std::move(modeSwitch)), lossEpoch_(std::make_shared<Pixels::SurfaceLossEpoch>()) {
}

Pixels::DisplayModeDesc SdlDisplay::currentDisplayMode() const {
    if (chosenMode_) {
        return *chosenMode_;
    }
    return modeSwitch_->currentMode(window_);
}

void SdlDisplay::setScreenAccess(SDL_Window* window, Pixels::ScreenAccess access) {
    window_ = window;
    exclusive_ = access != Pixels::ScreenAccess::Shared;
    if (!exclusive_ || window_ == nullptr) {
        return;
    }
    if (chosenMode_) {
        modeSwitch_->showFullscreenInMode(window_, *chosenMode_);
    } else {
        modeSwitch_->showFullscreenAtDesktopMode(window_);
    }
}

void SdlDisplay::setDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel,
                                int32_t refreshRate) {
    if (width <= 0 || height <= 0 || !isDisplayDepth(bitsPerPixel) || refreshRate < 0) {
        throw DX5::Error("no display mode of " + std::to_string(width) + " x " +
                         std::to_string(height) + " x " + std::to_string(bitsPerPixel) + " at " +
                         std::to_string(refreshRate) + " Hz");
    }
    const Pixels::DisplayModeDesc mode{width, height, modeFormatFor(bitsPerPixel), refreshRate};
    if (exclusive_ && window_ != nullptr) {
        modeSwitch_->showFullscreenInMode(window_, mode);
    }
    chosenMode_ = mode;
}

void SdlDisplay::restoreDisplayMode() {
    if (!chosenMode_) {
        return;
    }
    chosenMode_.reset();
    if (window_ != nullptr) {
        modeSwitch_->returnToDesktopMode(window_);
    }
}

std::unique_ptr<Pixels::PrimarySurface> SdlDisplay::createPrimaryChain() {
    const Pixels::DisplayModeDesc mode = currentDisplayMode();
    return createPrimaryChain(mode.width, mode.height);
}

std::unique_ptr<Pixels::PrimarySurface> SdlDisplay::createPrimaryChain(int32_t width,
                                                                       int32_t height) {
    if (window_ == nullptr) {
        throw DX5::Error(std::string("the primary surface needs the saver window first"));
    }
    const Pixels::DisplayModeDesc mode = currentDisplayMode();
    const Pixels::PixelFormat format = Pixels::PixelFormat::forSurfaceDepth(mode.bitsPerPixel());
    return std::make_unique<Pixels::PrimarySurface>(makePresenter(window_, width, height, format),
                                                    width, height, format, lossEpoch_);
}

std::unique_ptr<Pixels::PixelSurface>
SdlDisplay::createOffscreenLike(const Pixels::PixelSurface& model) const {
    return std::make_unique<Pixels::PixelSurface>(model.width(), model.height(), model.format(),
                                                  lossEpoch_);
}

// A window that changed size has a new pixel buffer, so the screen is taken again like after
// a lost renderer.
bool SdlDisplay::handleEvent(const SDL_Event& event) {
    const bool resized =
        event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED;
    if (event.type != SDL_RENDER_TARGETS_RESET && event.type != SDL_RENDER_DEVICE_RESET &&
        !resized) {
        return false;
    }
    lossEpoch_->loseAllSurfaces();
    return true;
}

} // namespace Sdl
