#include "display/DirectDrawDevice.h"

#include "display/DX5Error.h"
#include "display/SdlDisplayModeSwitch.h"
#include "display/TexturePresenter.h"
#include "display/WindowSurfacePresenter.h"

#include <SDL.h>
#include <cstdlib>
#include <string>

namespace {

// Made and released on the main thread only.
std::unique_ptr<DirectDrawDevice>& processDevice() {
    static std::unique_ptr<DirectDrawDevice> device;
    return device;
}

DDraw::PixelFormat modeFormatFor(int32_t bitsPerPixel) {
    return bitsPerPixel == 8 ? DDraw::PixelFormat::indexed8()
                             : DDraw::PixelFormat::forSurfaceDepth(bitsPerPixel);
}

// The window's own pixel buffer costs a fraction of a renderer where there is no graphics
// processor, and little more where there is one; PLUVO_PRESENT=texture asks for the renderer.
std::unique_ptr<DDraw::IScreenPresenter>
makePresenter(SDL_Window* window, int32_t width, int32_t height, const DDraw::PixelFormat& format) {
    const char* choice = std::getenv("PLUVO_PRESENT");
    if (choice != nullptr && std::string(choice) == "texture") {
        return std::make_unique<DDraw::TexturePresenter>(window, width, height, format);
    }
    return std::make_unique<DDraw::WindowSurfacePresenter>(window, width, height, format);
}

bool isDisplayDepth(int32_t bitsPerPixel) {
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

} // namespace

DirectDrawDevice& DirectDrawDevice::openDevice() {
    std::unique_ptr<DirectDrawDevice>& device = processDevice();
    if (!device) {
        auto opened =
            std::make_unique<DirectDrawDevice>(std::make_unique<DDraw::SdlDisplayModeSwitch>());
        try {
            opened->currentDisplayMode();
        } catch (const DX5::Error&) {
            throw DX5::UnsupportedVideoModeError();
        }
        device = std::move(opened);
    }
    return *device;
}

bool DirectDrawDevice::exists() {
    return processDevice() != nullptr;
}

void DirectDrawDevice::releaseDevice() {
    processDevice().reset();
}

DirectDrawDevice::DirectDrawDevice(std::unique_ptr<DDraw::IDisplayModeSwitch> modeSwitch)
    : modeSwitch_(std::move(modeSwitch)), lossEpoch_(std::make_shared<DDraw::SurfaceLossEpoch>()) {}

DDraw::DisplayModeDesc DirectDrawDevice::currentDisplayMode() const {
    if (chosenMode_) {
        return *chosenMode_;
    }
    return modeSwitch_->currentMode(window_);
}

void DirectDrawDevice::setCooperativeLevel(SDL_Window* window, uint32_t flags) {
    constexpr uint32_t exclusiveFullscreen = DDraw::DDSCL_FULLSCREEN | DDraw::DDSCL_EXCLUSIVE;
    window_ = window;
    exclusive_ = (flags & exclusiveFullscreen) == exclusiveFullscreen;
    if (!exclusive_ || window_ == nullptr) {
        return;
    }
    if (chosenMode_) {
        modeSwitch_->showFullscreenInMode(window_, *chosenMode_);
    } else {
        modeSwitch_->showFullscreenAtDesktopMode(window_);
    }
}

void DirectDrawDevice::setDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel,
                                      int32_t refreshRate) {
    if (width <= 0 || height <= 0 || !isDisplayDepth(bitsPerPixel) || refreshRate < 0) {
        throw DX5::Error("no display mode of " + std::to_string(width) + " x " +
                         std::to_string(height) + " x " + std::to_string(bitsPerPixel) + " at " +
                         std::to_string(refreshRate) + " Hz");
    }
    const DDraw::DisplayModeDesc mode{width, height, modeFormatFor(bitsPerPixel), refreshRate};
    if (exclusive_ && window_ != nullptr) {
        modeSwitch_->showFullscreenInMode(window_, mode);
    }
    chosenMode_ = mode;
}

void DirectDrawDevice::restoreDisplayMode() {
    if (!chosenMode_) {
        return;
    }
    chosenMode_.reset();
    if (window_ != nullptr) {
        modeSwitch_->returnToDesktopMode(window_);
    }
}

std::unique_ptr<DDraw::PrimarySurface> DirectDrawDevice::createPrimaryChain() {
    const DDraw::DisplayModeDesc mode = currentDisplayMode();
    return createPrimaryChain(mode.width, mode.height);
}

std::unique_ptr<DDraw::PrimarySurface> DirectDrawDevice::createPrimaryChain(int32_t width,
                                                                            int32_t height) {
    if (window_ == nullptr) {
        throw DX5::Error(std::string("the primary surface needs the saver window first"));
    }
    const DDraw::DisplayModeDesc mode = currentDisplayMode();
    const DDraw::PixelFormat format = DDraw::PixelFormat::forSurfaceDepth(mode.bitsPerPixel());
    return std::make_unique<DDraw::PrimarySurface>(makePresenter(window_, width, height, format),
                                                   width, height, format, lossEpoch_);
}

std::unique_ptr<DDraw::Surface>
DirectDrawDevice::createOffscreenLike(const DDraw::Surface& model) const {
    return std::make_unique<DDraw::Surface>(model.width(), model.height(), model.format(),
                                            lossEpoch_);
}

// A window that changed size has a new pixel buffer, so the screen is taken again like after
// a lost renderer.
bool DirectDrawDevice::handleEvent(const SDL_Event& event) {
    const bool resized =
        event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED;
    if (event.type != SDL_RENDER_TARGETS_RESET && event.type != SDL_RENDER_DEVICE_RESET &&
        !resized) {
        return false;
    }
    lossEpoch_->loseAllSurfaces();
    return true;
}
