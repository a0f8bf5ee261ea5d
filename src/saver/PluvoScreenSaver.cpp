#include "saver/PluvoScreenSaver.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/DirectDrawDevice.h"
#include "display/GraphicsError.h"
#include "display/ImageLoader.h"
#include "options/Configuration.h"
#include "platform/MillisecondClock.h"
#include "platform/NamedMutex.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"
#include "resources/Strings.h"
#include "saver/DesktopCapture.h"
#include "saver/DirectDrawSaverDisplay.h"
#include "saver/FramePacing.h"
#include "saver/SceneErrors.h"
#include "sound/SoundSystem.h"

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
    const uint32_t deadline = now() + displayBusyTimeout;
    for (;;) {
        while ((source.bltStatus() != DX5::DD_OK || target.bltStatus() != DX5::DD_OK) &&
               now() < deadline) {
        }
        try {
            source.copyTo(target);
            return true;
        } catch (const DX5::Error& error) {
            if (error.code() != DX5::DDERR_SURFACEBUSY || now() >= deadline) {
                throw;
            }
        }
    }
}

} // namespace

PluvoScreenSaver::PluvoScreenSaver(bool hidden, bool windowed)
    : ScreenSaverWindow(Resources::loadString(productNameText), hidden,
                        Configuration::options()->controlOptions().interruptMode(),
                        std::make_unique<DirectDrawSaverDisplay>(),
                        windowed ? Style::Windowed : Style::FullScreen),
      options_(*Configuration::options()), windowed_(windowed) {}

PluvoScreenSaver::~PluvoScreenSaver() = default;

int PluvoScreenSaver::run() {
    static std::optional<NamedMutex> running;
    running = NamedMutex::tryAcquire(runningMutexName);
    if (!running) {
        return 1;
    }
    initialize();
    runLoop();
    finish();
    return 0;
}

void PluvoScreenSaver::initialize() {
    createDrawer();
    setUpDisplay();
    const SceneSize size = sceneSize();
    showBitmap(desktop_ ? *desktop_ : builtInBackground(size.width, size.height));
    desktop_.reset();
    createSound();
    createDrops();
    chooseBackground();
    startResetClock();
}

void PluvoScreenSaver::runLoop() {
    setFrameTimer(firstFrameDelay);
    runMessageLoop();
}

void PluvoScreenSaver::finish() {
    if (primarySurface_ && restoreSurfaces()) {
        backgroundSurface_->copyTo(*primarySurface_);
    }
}

void PluvoScreenSaver::onKeyDown(int32_t) {}

void PluvoScreenSaver::onPlatformEvent(const SDL_Event& event) {
    if (DirectDrawDevice::exists()) {
        DirectDrawDevice::openDevice().handleEvent(event);
    }
}

// The current mode's size, or the chosen mode's. Without a chosen mode (the stored one is no
// longer offered) the saver keeps the current mode rather than refusing to run.
PluvoScreenSaver::SceneSize PluvoScreenSaver::sceneSize() const {
    DirectXDisplayModeSelectionModel& model = options_.displayModeSelectionModel();
    const IDisplayModeDescription* selected = model.selectedMode();
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
    if (windowed_) {
        level = DDraw::DDSCL_NORMAL;
    } else if (keepsMode) {
        level |= DDraw::DDSCL_NOWINDOWCHANGES;
    }
    device.setCooperativeLevel(sdlWindow(), level);
    if (!windowed_) {
        chooseDisplayMode(device);
    }
    createSurfaces(device);
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
    primarySurface_ = device.createPrimaryChain();
    backBuffer_ = &primarySurface_->backBuffer();
    backgroundSurface_ = device.createOffscreenLike(*primarySurface_);
}

void PluvoScreenSaver::showBitmap(const Graphics::Bitmap& picture) {
    backBuffer_->stretchFrom(picture);
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
    if (wallpapers.files().empty()) {
        return;
    }
    const std::string file = wallpapers.nextFile();
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

void PluvoScreenSaver::startResetClock() {
    const ScreensaverControlOptions& control = options_.controlOptions();
    resetSchedule_ = ResetSchedule(control.resetEnabled(), control.resetPeriod(), now());
}

void PluvoScreenSaver::onTimer() {
    stopFrameTimer();
    const uint32_t started = now();
    renderFrame();
    const uint32_t work = now() - started;
    setFrameTimer(idleMilliseconds(work, options_.controlOptions().maxCpuLoad()));
}

// A display error ends the frame: a lost display that comes back only costs the frame, any
// other ends the saver quietly.
void PluvoScreenSaver::renderFrame() {
    try {
        bool changed = false;
        if (resetSchedule_.isDue(now())) {
            resetBackground();
            changed = true;
        }
        dropSystem_->update();
        changed = changed || !drawer_->dirtyRects().empty();
        drawDrops();
        if (!restoreSurfaces()) {
            return;
        }
        // The drops step only about 30 times a second; a frame in between would show the same
        // picture again, and presenting a whole screen is the dearest part of a frame.
        if (changed) {
            present();
        }
    } catch (const DX5::Error& error) {
        if (error.code() == DX5::DDERR_SURFACELOST && restoreSurfaces()) {
            return;
        }
        requestQuit();
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
    const uint32_t deadline = now() + displayBusyTimeout;
    bool restored = false;
    for (;;) {
        try {
            primarySurface_->flip();
            return;
        } catch (const DX5::Error& error) {
            const bool busy = error.code() == DX5::DDERR_WASSTILLDRAWING ||
                              error.code() == DX5::DDERR_SURFACEBUSY;
            if (busy && now() < deadline) {
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

void PluvoScreenSaver::resetBackground() {
    dropSystem_->clear();
    chooseBackground();
    drawer_->reset();
    backgroundSurface_->copyTo(*backBuffer_);
    resetSchedule_.advance();
}
