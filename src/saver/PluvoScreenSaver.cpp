#include "saver/PluvoScreenSaver.h"

#include "backends/sdl/SdlSaverDisplay.h"
#include "options/Configuration.h"
#include "platform/StartupTrace.h"
#include "resources/Strings.h"

namespace {

constexpr uint32_t productNameText = 1;
constexpr uint32_t firstFrameDelay = 40;

} // namespace

PluvoScreenSaver::PluvoScreenSaver(bool hidden, bool windowed)
    : PluvoScreenSaver(hidden, SaverPlacement{windowed ? Style::Windowed : Style::FullScreen, 0}) {}

PluvoScreenSaver::PluvoScreenSaver(bool hidden, const SaverPlacement& placement)
    : HostWindowWatch(placement), DesktopAtStart(placement),
      ScreenSaverWindow(Resources::loadString(productNameText), hidden,
                        Configuration::options()->controlOptions().interruptMode(),
                        std::make_unique<Sdl::SdlSaverDisplay>(), placement.windowStyle(),
                        placement.hostWindow),
      options_(*Configuration::options()),
      display_(*this, options_.displayModeSelectionModel(), placement.style == Style::Windowed),
      hostWindow_(placement.hostWindow), run_(options_) {
    frameLoop().setPacing(Scene::FramePacing::forSaver(options_.controlOptions().maxCpuLoad()));
    StartupTrace::note("window shown");
}

PluvoScreenSaver::~PluvoScreenSaver() = default;

int PluvoScreenSaver::run() {
    if (style() != Style::Hosted && !Scene::SaverRun::takeSaverLock()) {
        return 1;
    }
    initialize();
    setFrameTimer(firstFrameDelay);
    runMessageLoop();
    finish();
    return 0;
}

void PluvoScreenSaver::initialize() {
    display_.setUp();
    StartupTrace::note("display set up");
    startScene(std::move(desktop_), {});
    desktop_.reset();
    StartupTrace::note("scene built");
}

void PluvoScreenSaver::startScene(std::optional<Graphics::Bitmap> desktop,
                                  const std::string& wallpaper) {
    run_.start(
        display_.createSurfaces(), std::move(desktop), wallpaper,
        [this](const AreaRect& area, const IDropSystem& drops, const ILightningOptions& options) {
            return makeLightningController(area, drops, options);
        });
}

void PluvoScreenSaver::finish() {
    run_.finish();
}

std::unique_ptr<LightningController>
PluvoScreenSaver::makeLightningController(const AreaRect& area, const IDropSystem& drops,
                                          const ILightningOptions& options) {
    return Scene::Storm::standardController(area, drops, options);
}

// Only a daemon's window changes size under us; the next frame takes the new size.
void PluvoScreenSaver::onResized(int32_t width, int32_t height) {
    if (style() == Style::Hosted && run_.started() &&
        (width != run_.width() || height != run_.height())) {
        sizeChanged_ = true;
    }
}

void PluvoScreenSaver::onExposed() {
    run_.refreshScreen();
}

void PluvoScreenSaver::onTimer() {
    if (hostWindowLost()) {
        requestQuit();
        return;
    }
    if (sizeChanged_) {
        sizeChanged_ = false;
        followWindowSize();
    }
    if (!run_.renderFrame()) {
        requestQuit();
    }
}

// A daemon's preview pane that the user resized: the scene is made again at the window's new
// size, over the desktop under the window now, or the same wallpaper, and shown whole at once.
void PluvoScreenSaver::followWindowSize() {
    const std::string wallpaper = run_.wallpaperShown();
    run_.stop();
    startScene(X11::HostWindow::desktopUnder(hostWindow_), wallpaper);
}
