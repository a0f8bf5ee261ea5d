#include "scene/RainScene.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/SurfaceLock.h"
#include "images/GraphicsError.h"
#include "images/ImageLoader.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "rain/DropTuning.h"
#include "rain/Renderer.h"
#include "scene/BuiltInBackground.h"
#include "scene/SceneErrors.h"
#include "sound/SoundSystem.h"

namespace Scene {

namespace {

constexpr int32_t referenceRadius = 8;

void useSurfaceFormatForDrops(const Pixels::PixelSurface& surface) {
    setDropScale(referenceRadius);
    const Pixels::PixelFormat& format = surface.format();
    setRendererPixelFormat(format.redMask, format.greenMask, format.blueMask);
}

} // namespace

RainScene::RainScene(SceneSurfaces& surfaces, int32_t maxRadius, IMillisecondClock& clock)
    : surfaces_(surfaces), clock_(clock),
      drawer_(std::make_unique<Drawer>(surfaces.width(), surfaces.height(), maxRadius)),
      damage_(surfaces.width(), surfaces.height()) {}

RainScene::RainScene(SceneSurfaces& surfaces, ScreenSaverOptionsStorage& options,
                     std::optional<Graphics::Bitmap> desktop, const std::string& wallpaper,
                     const Storm::ControllerFactory& makeController, IMillisecondClock& clock)
    : RainScene(surfaces, options.maxRadiusBound(), clock) {
    saverOptions_ = &options;
    // The desktop picture goes as soon as the back buffer holds it, before the screen's buffer
    // is first filled, so that the two never take memory at the same time.
    if (desktop) {
        surfaces.backBuffer().stretchFrom(*desktop);
        desktop.reset();
    } else {
        surfaces.backBuffer().stretchFrom(builtInBackground(surfaces.width(), surfaces.height()));
    }
    surfaces.publishBackground();
    // Before any buffer is made: a buffer made while sound is off stays silent.
    Sound::SoundSystem::create().setEnabled(options.soundEnabled());
    startDrops(options);
    dropSound_ = std::make_unique<DropSystemSound>(*dropSystem_, options.rainVolume());
    if (wallpaper.empty()) {
        showNextWallpaper();
    } else {
        showWallpaper(wallpaper);
    }
    storm_ = std::make_unique<Storm>(surfaces.backBuffer(), *dropSystem_, options, makeController);
    const ScreensaverControlOptions& control = options.controlOptions();
    resetSchedule_ = ResetSchedule(control.resetEnabled(), control.resetPeriod(), clock_.now());
}

RainScene::RainScene(SceneSurfaces& surfaces, const IDropSystemOptions& options, int32_t maxRadius,
                     const Graphics::Bitmap& picture, IMillisecondClock& clock)
    : RainScene(surfaces, maxRadius, clock) {
    showPicture(picture);
    startDrops(options);
}

RainScene::~RainScene() = default;

// After the background is shown: the renderer takes the back buffer's pixel format.
void RainScene::startDrops(const IDropSystemOptions& options) {
    useSurfaceFormatForDrops(surfaces_.backBuffer());
    dropSystem_ =
        std::make_unique<DropSystem>(surfaces_.width(), surfaces_.height(), *drawer_, clock_);
    dropSystem_->applyOptions(options);
}

void RainScene::showPicture(const Graphics::Bitmap& picture) {
    surfaces_.backBuffer().stretchFrom(picture);
    surfaces_.publishBackground();
}

void RainScene::showNextWallpaper() {
    DefaultWallpaperListModel& wallpapers = saverOptions_->wallpaperList();
    if (!wallpapers.files().empty()) {
        showWallpaper(wallpapers.nextFile());
    }
}

void RainScene::showWallpaper(const std::string& file) {
    wallpaperShown_ = file;
    std::unique_ptr<Graphics::IImage> image;
    try {
        image = Graphics::loadImage(file);
    } catch (const Graphics::FileNotFoundError&) {
        throw SceneErrors::missingWallpaper(file);
    }
    surfaces_.backBuffer().stretchFrom(image->bitmap());
    image.reset();
    surfaces_.publishBackground();
}

const Pixels::FrameDamage& RainScene::frame() {
    presented_ = false;
    try {
        composeAndPresent();
    } catch (const DX5::Error& error) {
        if (error.code() != DX5::DDERR_SURFACELOST || !surfaces_.restoreLost()) {
            throw;
        }
    }
    return damage_;
}

void RainScene::composeAndPresent() {
    damage_.clear();
    if (resetSchedule_.isDue(clock_.now())) {
        putRainBack();
        resetBackground();
        damage_.addWholeFrame();
    }
    dropSystem_->update();
    if (storm_) {
        storm_->advance();
    }
    drawDrops();
    if (storm_) {
        addDamage(storm_->draw());
    }
    // The drops step only about 30 times a second, and a bolt or flash stays as it is for many
    // frames: a frame in between would show the same picture again.
    if (surfaces_.restoreLost() && !damage_.isEmpty()) {
        presented_ = surfaces_.present(damage_);
    }
}

// The bolt or flash of the last frame stays on the back buffer, which is what the screen shows,
// until something else is to be drawn there.
void RainScene::putRainBack() {
    if (storm_) {
        addDamage(storm_->restore());
    }
}

// While a flash covers the screen the rain goes on under it, and reaches the screen when the
// flash ends.
void RainScene::drawDrops() {
    if (drawer_->dirtyRects().empty()) {
        return;
    }
    Pixels::PixelSurface& backBuffer = surfaces_.backBuffer();
    Pixels::PixelSurface& rain = storm_ ? storm_->rainLayer() : backBuffer;
    if (&rain == &backBuffer) {
        putRainBack();
        for (const Pixels::PixelRect& area : drawer_->dirtyRects()) {
            damage_.add(area);
        }
    }
    const Pixels::SurfaceLock target(rain);
    const Pixels::SurfaceLock background(surfaces_.background());
    drawer_->draw(target.pixels(), background.pixels());
}

void RainScene::addDamage(std::span<const Pixels::PixelRect> areas) {
    for (const Pixels::PixelRect& area : areas) {
        if (!area.isEmpty()) {
            damage_.add(area);
        }
    }
}

void RainScene::resetBackground() {
    dropSystem_->clear();
    showNextWallpaper();
    drawer_->reset();
    surfaces_.background().copyTo(surfaces_.backBuffer());
    if (storm_) {
        storm_->backgroundChanged();
    }
    resetSchedule_.advance();
}

} // namespace Scene
