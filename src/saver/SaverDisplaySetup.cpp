#include "saver/SaverDisplaySetup.h"

#include "backends/sdl/SdlDisplay.h"
#include "backends/x11/MonitorLayout.h"
#include "options/DirectXDisplayModeSelectionModel.h"
#include "scene/DisplayPlan.h"

#include <SDL_video.h>
#include <algorithm>

SaverDisplaySetup::SaverDisplaySetup(ScreenSaverWindow& window,
                                     DirectXDisplayModeSelectionModel& modes, bool windowed)
    : window_(window), modes_(modes), windowed_(windowed) {}

// In a daemon's window, or over monitors that no single display covers.
bool SaverDisplaySetup::drawsAtWindowSize() const {
    return window_.style() == ScreenSaverWindow::Style::Hosted ||
           window_.style() == ScreenSaverWindow::Style::AllMonitors;
}

// Without a chosen mode (the stored one is no longer offered) the saver keeps the current mode
// rather than refusing to run.
SaverDisplaySetup::Size SaverDisplaySetup::sceneSize() const {
    const IDisplayModeDescription* selected = modes_.selectedMode();
    if (drawsAtWindowSize()) {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(window_.sdlWindow(), &width, &height);
        return {std::max(width, 1), std::max(height, 1)};
    }
    if (windowed_ || modes_.useCurrentMode() || selected == nullptr) {
        const Pixels::DisplayModeDesc current = Sdl::SdlDisplay::openDevice().currentDisplayMode();
        return {current.width, current.height};
    }
    return {selected->width(), selected->height()};
}

void SaverDisplaySetup::setUp() {
    Sdl::SdlDisplay& device = Sdl::SdlDisplay::openDevice();
    const bool ownsScreen = !windowed_ && !drawsAtWindowSize();
    const Scene::DisplayPlan plan =
        Scene::DisplayPlan::forSaver(modes_, device.currentDisplayMode(), ownsScreen);
    device.setScreenAccess(window_.sdlWindow(), plan.access);
    if (plan.mode) {
        device.setDisplayMode(plan.mode->width, plan.mode->height, plan.mode->bitsPerPixel,
                              plan.mode->refreshRate);
    }
    if (ownsScreen) {
        coverOtherMonitors();
    }
}

// After the mode is set, which may have moved the outputs.
void SaverDisplaySetup::coverOtherMonitors() {
    SDL_Window* window = window_.sdlWindow();
    SDL_Rect covered{};
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &covered) != 0) {
        return;
    }
    const std::vector<Pixels::PixelRect> others = X11::OtherMonitorSavers::outside(
        X11::MonitorLayout::ofXServer().monitors(),
        Pixels::PixelRect::ofSize(covered.x, covered.y, covered.w, covered.h));
    if (others.empty()) {
        return;
    }
    otherMonitors_ = std::make_unique<X11::OtherMonitorSavers>(others);
    // The other monitors' savers take no input: the pointer stays where this one sees it move.
    SDL_SetWindowMouseGrab(window, SDL_TRUE);
}

std::unique_ptr<Scene::SceneSurfaces> SaverDisplaySetup::createSurfaces() const {
    Sdl::SdlDisplay& device = Sdl::SdlDisplay::openDevice();
    std::unique_ptr<Pixels::PrimarySurface> primary;
    if (drawsAtWindowSize()) {
        const Size size = sceneSize();
        primary = device.createPrimaryChain(size.width, size.height);
    } else {
        primary = device.createPrimaryChain();
    }
    std::unique_ptr<Pixels::PixelSurface> background = device.createOffscreenLike(*primary);
    return std::make_unique<Scene::SceneSurfaces>(std::move(primary), std::move(background));
}
