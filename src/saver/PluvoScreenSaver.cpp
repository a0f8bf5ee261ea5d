#include "saver/PluvoScreenSaver.h"

#include "backends/sdl/SdlSaverDisplay.h"
#include "display/DX5Error.h"
#include "options/Configuration.h"
#include "platform/NamedMutex.h"
#include "platform/StartupTrace.h"
#include "resources/Strings.h"

namespace {

constexpr const char* runningMutexName = "PLUVO_SCREEN_SAVER_RUNNING";
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
      hostWindow_(placement.hostWindow) {
    frameLoop().setPacing(Scene::FramePacing::forSaver(options_.controlOptions().maxCpuLoad()));
    StartupTrace::note("window shown");
}

PluvoScreenSaver::~PluvoScreenSaver() = default;

int PluvoScreenSaver::run() {
    static std::optional<NamedMutex> running;
    if (style() != Style::Hosted) {
        running = NamedMutex::tryAcquire(runningMutexName);
        if (!running) {
            return 1;
        }
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
    surfaces_ = display_.createSurfaces();
    scene_ = std::make_unique<Scene::RainScene>(
        *surfaces_, options_, std::move(desktop), wallpaper,
        [this](const AreaRect& area, const IDropSystem& drops, const ILightningOptions& options) {
            return makeLightningController(area, drops, options);
        });
}

void PluvoScreenSaver::finish() {
    for (Scene::IFrameObserver* observer : observers_) {
        observer->saverEnded(presentedFrames_);
    }
    if (surfaces_) {
        surfaces_->showBackground();
    }
}

std::unique_ptr<LightningController>
PluvoScreenSaver::makeLightningController(const AreaRect& area, const IDropSystem& drops,
                                          const ILightningOptions& options) {
    return Scene::Storm::standardController(area, drops, options);
}

// Only a daemon's window changes size under us; the next frame takes the new size.
void PluvoScreenSaver::onResized(int32_t width, int32_t height) {
    if (style() == Style::Hosted && surfaces_ &&
        (width != surfaces_->width() || height != surfaces_->height())) {
        sizeChanged_ = true;
    }
}

void PluvoScreenSaver::onExposed() {
    if (surfaces_) {
        surfaces_->refreshScreen();
    }
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
    renderFrame();
}

bool PluvoScreenSaver::picturesHeld() const {
    for (const Scene::IFrameObserver* observer : observers_) {
        if (observer->holdsPicture()) {
            return true;
        }
    }
    return false;
}

// A display error that the scene could not recover from ends the saver quietly.
void PluvoScreenSaver::renderFrame() {
    if (picturesHeld()) {
        return;
    }
    try {
        scene_->frame();
    } catch (const DX5::Error&) {
        requestQuit();
        return;
    }
    if (scene_->presented()) {
        ++presentedFrames_;
    }
    for (Scene::IFrameObserver* observer : observers_) {
        observer->frameDone(presentedFrames_, surfaces_->backBuffer());
    }
}

// A daemon's preview pane that the user resized: the scene is made again at the window's new
// size, over the desktop under the window now, or the same wallpaper, and shown whole at once.
void PluvoScreenSaver::followWindowSize() {
    const std::string wallpaper = scene_->wallpaperShown();
    // The scene holds the surfaces, so it goes first.
    scene_.reset();
    surfaces_.reset();
    startScene(X11::HostWindow::desktopUnder(hostWindow_), wallpaper);
}
