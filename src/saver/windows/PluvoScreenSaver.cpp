#include "saver/windows/PluvoScreenSaver.h"

#include "backends/directx/DirectDrawDevice.h"
#include "backends/gdi/DesktopCapture.h"
#include "options/Configuration.h"
#include "platform/StartupTrace.h"
#include "resources/Strings.h"
#include "scene/DisplayPlan.h"

#include <optional>

namespace {

constexpr uint32_t productNameText = 1;
constexpr uint32_t firstFrameDelay = 40;

} // namespace

PluvoScreenSaver::PluvoScreenSaver(bool hidden)
    : ScreenSaverWindow(Resources::loadString(productNameText), hidden,
                        Configuration::options()->controlOptions().interruptMode()),
      options_(*Configuration::options()), run_(options_) {
    frameLoop().setPacing(Scene::FramePacing::forSaver(options_.controlOptions().maxCpuLoad()));
    StartupTrace::note("window shown");
}

PluvoScreenSaver::~PluvoScreenSaver() = default;

int PluvoScreenSaver::run() {
    if (!Scene::SaverRun::takeSaverLock()) {
        return 1;
    }
    initialize();
    setFrameTimer(firstFrameDelay);
    runMessageLoop();
    run_.finish();
    return 0;
}

// The window never paints, so the desktop is still on the screen until the display mode
// changes.
void PluvoScreenSaver::initialize() {
    std::optional<Graphics::Bitmap> desktop = Gdi::captureDesktop();
    std::unique_ptr<Scene::SceneSurfaces> surfaces = setUpDisplay();
    StartupTrace::note("display set up");
    run_.start(std::move(surfaces), std::move(desktop), {}, Scene::Storm::standardController);
    StartupTrace::note("scene built");
}

std::unique_ptr<Scene::SceneSurfaces> PluvoScreenSaver::setUpDisplay() {
    DDraw::DirectDrawDevice& device = DDraw::DirectDrawDevice::openDevice();
    const Scene::DisplayPlan plan = Scene::DisplayPlan::forSaver(
        options_.displayModeSelectionModel(), device.currentDisplayMode(), true);
    device.setScreenAccess(handle(), plan.access);
    if (plan.mode) {
        device.setDisplayMode(plan.mode->width, plan.mode->height, plan.mode->bitsPerPixel,
                              plan.mode->refreshRate);
    }
    std::unique_ptr<Pixels::PrimarySurface> primary = device.createPrimaryChain();
    std::unique_ptr<Pixels::PixelSurface> background = device.createOffscreenLike(*primary);
    return std::make_unique<Scene::SceneSurfaces>(std::move(primary), std::move(background));
}

// A display error that the scene could not recover from ends the saver quietly.
void PluvoScreenSaver::onTimer() {
    if (!run_.renderFrame()) {
        requestQuit();
    }
}
