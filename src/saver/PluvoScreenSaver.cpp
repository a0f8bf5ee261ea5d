#include "saver/PluvoScreenSaver.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/DirectDrawDevice.h"
#include "display/GraphicsError.h"
#include "display/ImageLoader.h"
#include "options/Configuration.h"
#include "platform/Deadline.h"
#include "platform/MillisecondClock.h"
#include "platform/NamedMutex.h"
#include "platform/StartupTrace.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"
#include "resources/Strings.h"
#include "saver/BuiltInBackground.h"
#include "saver/DesktopCapture.h"
#include "saver/DirectDrawSaverDisplay.h"
#include "saver/FramePacing.h"
#include "saver/HostWindow.h"
#include "saver/MonitorLayout.h"
#include "saver/OtherMonitorSavers.h"
#include "saver/SceneErrors.h"
#include "sound/SoundSystem.h"

#include <SDL_events.h>
#include <SDL_video.h>
#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* runningMutexName = "PLUVO_SCREEN_SAVER_RUNNING";
constexpr uint32_t productNameText = 1;
constexpr int32_t referenceRadius = 8;
constexpr uint32_t firstFrameDelay = 40;
// How long the display may stay busy before the saver gives up on it.
constexpr uint32_t displayBusyTimeout = 5000;
constexpr int32_t lowestRainDepth = 16;

uint32_t now() {
    return systemClock().now();
}

// Keeps a surface locked for the rendering of one frame, and unlocks it however the frame ends.
class SurfaceLock {
public:
    explicit SurfaceLock(DDraw::Surface& surface) : surface_(surface), pixels_(surface.lock()) {}
    ~SurfaceLock() { surface_.unlock(); }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;
    const PixelBufferDesc& pixels() const { return pixels_; }

private:
    DDraw::Surface& surface_;
    PixelBufferDesc pixels_;
};

// Copies source onto target, waiting while either is busy, for at most displayBusyTimeout.
// Returns false when the display stayed busy.
bool copyWhenFree(DDraw::Surface& source, DDraw::Surface& target) {
    const Deadline deadline(systemClock(), displayBusyTimeout);
    for (;;) {
        while ((source.bltStatus() != DX5::DD_OK || target.bltStatus() != DX5::DD_OK) &&
               !deadline.isReached()) {
        }
        try {
            source.copyTo(target);
            return true;
        } catch (const DX5::Error& error) {
            if (error.code() != DX5::DDERR_SURFACEBUSY || deadline.isReached()) {
                throw;
            }
        }
    }
}

} // namespace

PluvoScreenSaver::PluvoScreenSaver(bool hidden, bool windowed)
    : PluvoScreenSaver(hidden, SaverPlacement{windowed ? Style::Windowed : Style::FullScreen, 0}) {}

namespace {

// Every monitor shows the rain in the mode it has; a chosen display mode is the primary
// monitor's alone.
ScreenSaverWindow::Style windowStyleFor(const SaverPlacement& placement) {
    const bool keepsMode = Configuration::options()->storedUseCurrentMode();
    return placement.style == ScreenSaverWindow::Style::FullScreen && keepsMode
               ? ScreenSaverWindow::Style::AllMonitors
               : placement.style;
}

// Over several monitors the picture is what lies under them, which need not be all of the
// screen.
std::optional<Graphics::Bitmap> desktopFor(const SaverPlacement& placement) {
    switch (windowStyleFor(placement)) {
    case ScreenSaverWindow::Style::Hosted:
        return HostWindow::desktopUnder(placement.hostWindow);
    case ScreenSaverWindow::Style::AllMonitors: {
        const MonitorRect bounds = MonitorLayout::ofXServer().bounds();
        return captureDesktopArea(bounds.x, bounds.y, bounds.width, bounds.height);
    }
    default:
        return captureDesktop();
    }
}

} // namespace

HostWindowWatch::HostWindowWatch(const SaverPlacement& placement) {
    if (placement.style == ScreenSaverWindow::Style::Hosted) {
        hostWindowLoss_.emplace();
    }
}

DesktopAtStart::DesktopAtStart(const SaverPlacement& placement) : desktop_(desktopFor(placement)) {}

PluvoScreenSaver::PluvoScreenSaver(bool hidden, const SaverPlacement& placement)
    : HostWindowWatch(placement), DesktopAtStart(placement),
      ScreenSaverWindow(Resources::loadString(productNameText), hidden,
                        Configuration::options()->controlOptions().interruptMode(),
                        std::make_unique<DirectDrawSaverDisplay>(), windowStyleFor(placement),
                        placement.hostWindow),
      options_(*Configuration::options()), windowed_(placement.style == Style::Windowed),
      drawsAtWindowSize_(style() == Style::Hosted || style() == Style::AllMonitors),
      hostWindow_(placement.hostWindow) {
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
    runLoop();
    finish();
    return 0;
}

void PluvoScreenSaver::initialize() {
    createDrawer();
    StartupTrace::note("drop templates made");
    setUpDisplay();
    StartupTrace::note("display set up");
    showDesktop();
    StartupTrace::note("desktop shown");
    createSound();
    createDrops();
    chooseBackground();
    createLightning();
    startResetClock();
    StartupTrace::note("scene built");
}

void PluvoScreenSaver::runLoop() {
    setFrameTimer(firstFrameDelay);
    runMessageLoop();
}

void PluvoScreenSaver::finish() {
    if (StartupTrace::enabled() && presentedFrames_ > 0) {
        const double seconds = (StartupTrace::elapsedMilliseconds() - firstPresentAt_) / 1000.0;
        std::fprintf(stderr, "pluvo: presented %u frames in %.2f s\n", presentedFrames_ - 1,
                     seconds);
    }
    if (primarySurface_ && restoreSurfaces()) {
        backgroundSurface_->copyTo(*primarySurface_);
    }
}

void PluvoScreenSaver::onKeyDown(int32_t) {}

// The window's picture is only sent when it changes, so a part that another window uncovered
// is sent again at once.
void PluvoScreenSaver::onPlatformEvent(const SDL_Event& event) {
    if (DirectDrawDevice::exists()) {
        DirectDrawDevice::openDevice().handleEvent(event);
    }
    if (style() == Style::Hosted && event.type == SDL_WINDOWEVENT &&
        event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && primarySurface_ &&
        (event.window.data1 != primarySurface_->width() ||
         event.window.data2 != primarySurface_->height())) {
        sizeChanged_ = true;
    }
    const bool exposed =
        event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED;
    if (exposed && primarySurface_ && !primarySurface_->isLost()) {
        try {
            primarySurface_->refreshScreen();
        } catch (const DX5::Error&) {
            // A lost screen is restored and shown whole by the next frame.
        }
    }
}

// The current mode's size, or the chosen mode's. Without a chosen mode (the stored one is no
// longer offered) the saver keeps the current mode rather than refusing to run.
PluvoScreenSaver::SceneSize PluvoScreenSaver::sceneSize() const {
    DirectXDisplayModeSelectionModel& model = options_.displayModeSelectionModel();
    const IDisplayModeDescription* selected = model.selectedMode();
    if (drawsAtWindowSize_) {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(sdlWindow(), &width, &height);
        return {std::max(width, 1), std::max(height, 1)};
    }
    if (windowed_ || model.useCurrentMode() || selected == nullptr) {
        const DDraw::DisplayModeDesc current = DirectDrawDevice::openDevice().currentDisplayMode();
        return {current.width, current.height};
    }
    return {selected->width(), selected->height()};
}

void PluvoScreenSaver::createDrawer() {
    const SceneSize size = sceneSize();
    drawer_ = std::make_unique<Drawer>(size.width, size.height, options_.maxRadiusBound());
}

void PluvoScreenSaver::setUpDisplay() {
    DirectDrawDevice& device = DirectDrawDevice::openDevice();
    DirectXDisplayModeSelectionModel& model = options_.displayModeSelectionModel();
    const DDraw::DisplayModeDesc current = device.currentDisplayMode();
    const IDisplayModeDescription* selected = model.selectedMode();
    const bool keepsMode =
        model.useCurrentMode() || selected == nullptr ||
        (selected->width() == current.width && selected->height() == current.height &&
         selected->bitsPerPixel() == current.bitsPerPixel());
    uint32_t level = DDraw::DDSCL_FULLSCREEN | DDraw::DDSCL_EXCLUSIVE;
    if (windowed_ || drawsAtWindowSize_) {
        level = DDraw::DDSCL_NORMAL;
    } else if (keepsMode) {
        level |= DDraw::DDSCL_NOWINDOWCHANGES;
    }
    device.setCooperativeLevel(sdlWindow(), level);
    if (!windowed_ && !drawsAtWindowSize_) {
        chooseDisplayMode(device);
        coverOtherMonitors();
    }
    createSurfaces(device);
}

// After the mode is set, which may have moved the outputs.
void PluvoScreenSaver::coverOtherMonitors() {
    SDL_Rect covered{};
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(sdlWindow()), 0), &covered) != 0) {
        return;
    }
    const std::vector<MonitorRect> others = OtherMonitorSavers::outside(
        MonitorLayout::ofXServer().monitors(), {covered.x, covered.y, covered.w, covered.h});
    if (others.empty()) {
        return;
    }
    otherMonitors_ = std::make_unique<OtherMonitorSavers>(others);
    // The other monitors' savers take no input: the pointer stays where this one sees it move.
    SDL_SetWindowMouseGrab(sdlWindow(), SDL_TRUE);
}

// A palette desktop is switched to the deepest mode of the same size, as the rain needs colour
// channels to refract and light.
void PluvoScreenSaver::chooseDisplayMode(DirectDrawDevice& device) {
    DirectXDisplayModeSelectionModel& model = options_.displayModeSelectionModel();
    const IDisplayModeDescription* selected = model.selectedMode();
    if (!model.useCurrentMode() && selected != nullptr) {
        device.setDisplayMode(selected->width(), selected->height(), selected->bitsPerPixel(),
                              selected->refreshRate());
        return;
    }
    const DDraw::DisplayModeDesc current = device.currentDisplayMode();
    if (current.bitsPerPixel() != 8) {
        return;
    }
    const IDisplayModeDescription* deepest = nullptr;
    for (const IDisplayModeDescription* mode : model.availableModes()) {
        if (mode->width() == current.width && mode->height() == current.height &&
            mode->bitsPerPixel() >= lowestRainDepth &&
            (deepest == nullptr || mode->bitsPerPixel() > deepest->bitsPerPixel())) {
            deepest = mode;
        }
    }
    if (deepest == nullptr) {
        throw SceneErrors::noTrueColourMode();
    }
    device.setDisplayMode(current.width, current.height, deepest->bitsPerPixel(), 0);
}

void PluvoScreenSaver::createSurfaces(DirectDrawDevice& device) {
    if (drawsAtWindowSize_) {
        const SceneSize size = sceneSize();
        primarySurface_ = device.createPrimaryChain(size.width, size.height);
    } else {
        primarySurface_ = device.createPrimaryChain();
    }
    backBuffer_ = &primarySurface_->backBuffer();
    backgroundSurface_ = device.createOffscreenLike(*primarySurface_);
    damage_ = DDraw::FrameDamage(primarySurface_->width(), primarySurface_->height());
}

// The desktop picture goes as soon as the back buffer holds it, before the screen's buffer is
// first filled, so that the two never take memory at the same time.
void PluvoScreenSaver::showDesktop() {
    if (desktop_) {
        backBuffer_->stretchFrom(*desktop_);
        desktop_.reset();
    } else {
        const SceneSize size = sceneSize();
        backBuffer_->stretchFrom(builtInBackground(size.width, size.height));
    }
    publishBackground();
}

// Shows the back buffer's picture and keeps it as the clean background.
void PluvoScreenSaver::publishBackground() {
    bool shown = false;
    try {
        shown = copyWhenFree(*backBuffer_, *primarySurface_);
    } catch (const DX5::Error&) {
        shown = false;
    }
    if (!shown) {
        throw SceneErrors::cannotDrawToDisplay();
    }
    copyWhenFree(*backBuffer_, *backgroundSurface_);
}

// Before any buffer is made: a buffer made while sound is off stays silent.
void PluvoScreenSaver::createSound() {
    Sound::SoundSystem::create().setEnabled(options_.soundEnabled());
}

void PluvoScreenSaver::createDrops() {
    const SceneSize size = sceneSize();
    setDropScale(referenceRadius);
    const DDraw::PixelFormat& format = backBuffer_->format();
    setRendererPixelFormat(format.redMask, format.greenMask, format.blueMask);
    dropSystem_ = std::make_unique<DropSystem>(size.width, size.height, *drawer_);
    dropSystem_->applyOptions(options_);
    dropSound_ = std::make_unique<DropSystemSound>(*dropSystem_, options_.rainVolume());
}

void PluvoScreenSaver::chooseBackground() {
    DefaultWallpaperListModel& wallpapers = options_.wallpaperList();
    if (!wallpapers.files().empty()) {
        showWallpaper(wallpapers.nextFile());
    }
}

void PluvoScreenSaver::showWallpaper(const std::string& file) {
    wallpaperShown_ = file;
    std::unique_ptr<Graphics::IImage> image;
    try {
        image = Graphics::loadImage(file);
    } catch (const Graphics::FileNotFoundError&) {
        throw SceneErrors::missingWallpaper(file);
    }
    backBuffer_->stretchFrom(image->bitmap());
    image.reset();
    publishBackground();
}

// After the background is final, as the view makes its flash image from it. The objects exist
// whether or not bolts or flashes are on, so that switching them needs nothing new.
void PluvoScreenSaver::createLightning() {
    lightningView_ = std::make_unique<LightningView>(*backBuffer_, options_);
    thunderPlayer_ = std::make_unique<LightningSoundManager>();
    thunderPlayer_->setVolume(options_.thunderVolume());
    lightningController_ = makeLightningController(
        {0, backBuffer_->height(), backBuffer_->width(), 0}, *dropSystem_, options_);
    lightningController_->setView(lightningView_.get());
    lightningController_->setSoundManager(thunderPlayer_.get());
}

std::unique_ptr<LightningController>
PluvoScreenSaver::makeLightningController(const AreaRect& area, const IDropSystem& drops,
                                          const ILightningOptions& options) {
    return std::make_unique<LightningController>(area, drops, options);
}

bool PluvoScreenSaver::lightningActive() const {
    return options_.boltsEnabled() || options_.flashesEnabled();
}

void PluvoScreenSaver::startResetClock() {
    const ScreensaverControlOptions& control = options_.controlOptions();
    resetSchedule_ = ResetSchedule(control.resetEnabled(), control.resetPeriod(), now());
}

void PluvoScreenSaver::onTimer() {
    stopFrameTimer();
    if (hostWindowLoss_ && HostWindow::LossWatch::windowLost()) {
        requestQuit();
        return;
    }
    const uint32_t started = now();
    if (sizeChanged_) {
        sizeChanged_ = false;
        followWindowSize();
    }
    renderFrame();
    const uint32_t work = now() - started;
    setFrameTimer(idleMilliseconds(work, options_.controlOptions().maxCpuLoad()));
}

// A display error ends the frame: a lost display that comes back only costs the frame, any
// other ends the saver quietly.
void PluvoScreenSaver::renderFrame() {
    if (screenCheck_.isDone()) {
        return;
    }
    try {
        damage_.clear();
        if (resetSchedule_.isDue(now())) {
            resetBackground();
            damage_.addWholeFrame();
        }
        dropSystem_->update();
        collectDropDamage();
        drawDrops();
        addDamage(restoredByLightning_);
        restoredByLightning_ = {};
        drawLightning();
        // The drops step only about 30 times a second; a frame in between would show the same
        // picture again.
        if (restoreSurfaces() && !damage_.isEmpty()) {
            present();
        }
        // Also when the frame could not be shown: a bolt left in the back buffer would be taken
        // for rain by the next frame's backup and never leave the screen.
        restoreLightning();
        if (screenCheck_.isDue(presentedFrames_)) {
            screenCheck_.capture(*backBuffer_);
        }
        if (faultCheck_.isDue(presentedFrames_)) {
            faultCheck_.fault();
        }
    } catch (const DX5::Error& error) {
        if (error.code() == DX5::DDERR_SURFACELOST && restoreSurfaces()) {
            return;
        }
        requestQuit();
    }
}

void PluvoScreenSaver::drawLightning() {
    if (lightningActive()) {
        lightningController_->update();
        addDamage(lightningView_->draw());
    }
}

void PluvoScreenSaver::restoreLightning() {
    if (lightningActive()) {
        restoredByLightning_ = lightningView_->restore();
    }
}

void PluvoScreenSaver::addDamage(const AreaRect& area) {
    if (!area.isEmpty()) {
        damage_.add({area.minX, area.minY, area.maxX, area.maxY});
    }
}

// The drawer forgets its rectangles once it has drawn them.
void PluvoScreenSaver::collectDropDamage() {
    for (const DirtyRect& rect : drawer_->dirtyRects()) {
        damage_.add({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    }
}

void PluvoScreenSaver::drawDrops() {
    const SurfaceLock target(*backBuffer_);
    const SurfaceLock background(*backgroundSurface_);
    drawer_->draw(target.pixels(), background.pixels());
}

// A busy display is asked again (for at most a few seconds); a lost one is restored and asked
// once more; anything else costs this frame only.
void PluvoScreenSaver::present() {
    const Deadline deadline(systemClock(), displayBusyTimeout);
    bool restored = false;
    for (;;) {
        try {
            if (damage_.coversWholeFrame()) {
                primarySurface_->flip();
            } else {
                primarySurface_->flip(damage_.rects());
            }
            countPresentedFrame();
            return;
        } catch (const DX5::Error& error) {
            const bool busy = error.code() == DX5::DDERR_WASSTILLDRAWING ||
                              error.code() == DX5::DDERR_SURFACEBUSY;
            if (busy && !deadline.isReached()) {
                continue;
            }
            if (error.code() == DX5::DDERR_SURFACELOST && !restored && restoreSurfaces()) {
                restored = true;
                continue;
            }
            return;
        }
    }
}

void PluvoScreenSaver::countPresentedFrame() {
    if (presentedFrames_++ == 0) {
        StartupTrace::note("first frame presented");
        firstPresentAt_ = StartupTrace::elapsedMilliseconds();
    }
}

bool PluvoScreenSaver::restoreSurfaces() {
    try {
        if (primarySurface_->isLost()) {
            primarySurface_->restore();
        }
        if (backgroundSurface_->isLost()) {
            backgroundSurface_->restore();
        }
        return true;
    } catch (const DX5::Error&) {
        return false;
    }
}

// A daemon's preview pane that the user resized: the scene is made again at the window's new
// size, over the desktop under the window now, or the same wallpaper, and shown whole at once.
void PluvoScreenSaver::followWindowSize() {
    // What holds the back buffer or the drops goes before them.
    lightningController_.reset();
    lightningView_.reset();
    thunderPlayer_.reset();
    dropSound_.reset();
    dropSystem_.reset();
    drawer_.reset();
    backBuffer_ = nullptr;
    backgroundSurface_.reset();
    primarySurface_.reset();
    desktop_ = HostWindow::desktopUnder(hostWindow_);
    createDrawer();
    createSurfaces(DirectDrawDevice::openDevice());
    showDesktop();
    createDrops();
    if (!wallpaperShown_.empty()) {
        showWallpaper(wallpaperShown_);
    }
    createLightning();
    restoredByLightning_ = {};
}

void PluvoScreenSaver::resetBackground() {
    dropSystem_->clear();
    chooseBackground();
    drawer_->reset();
    backgroundSurface_->copyTo(*backBuffer_);
    lightningView_->createFlash();
    resetSchedule_.advance();
}
