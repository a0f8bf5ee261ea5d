#pragma once

#include "display/FrameDamage.h"
#include "images/Bitmap.h"
#include "platform/MillisecondClock.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/DropSystemSound.h"
#include "scene/ResetSchedule.h"
#include "scene/SceneSurfaces.h"
#include "scene/Storm.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class IDropSystemOptions;
class ScreenSaverOptionsStorage;

namespace Scene {

// Rain on the glass over a picture: the drops and their drawer over the desktop as it was, or the
// user's pictures in turn, replaced every reset period, with lightning and the sounds of rain and
// thunder. The previews run the same scene with only the drops. Each frame steps what moves,
// composes the picture on the back buffer and presents the parts that changed.
class RainScene {
public:
    // The full-screen saver's scene over desktop (the built-in picture when empty), then over
    // wallpaper, or when that is empty the next of the user's pictures if the list has any.
    // Starts the sound system.
    RainScene(SceneSurfaces& surfaces, ScreenSaverOptionsStorage& options,
              std::optional<Graphics::Bitmap> desktop, const std::string& wallpaper = {},
              const Storm::ControllerFactory& makeController = Storm::standardController,
              IMillisecondClock& clock = systemClock());
    // Only the drops, over a picture that never changes: a preview's scene. maxRadius is the
    // options' bound on a drop's radius.
    RainScene(SceneSurfaces& surfaces, const IDropSystemOptions& options, int32_t maxRadius,
              const Graphics::Bitmap& picture, IMillisecondClock& clock = systemClock());
    ~RainScene();
    RainScene(const RainScene&) = delete;
    RainScene& operator=(const RainScene&) = delete;

    // One frame. Returns what changed on the back buffer, all of which reached the screen when
    // presented() says so. A lost display that comes back only costs the frame; other display
    // errors leave here as DX5::Error.
    const Pixels::FrameDamage& frame();
    bool presented() const { return presented_; }

    const std::string& wallpaperShown() const { return wallpaperShown_; }

private:
    RainScene(SceneSurfaces& surfaces, int32_t maxRadius, IMillisecondClock& clock);
    void showPicture(const Graphics::Bitmap& picture);
    void startDrops(const IDropSystemOptions& options);
    void showNextWallpaper();
    void showWallpaper(const std::string& file);
    void drawDrops();
    void addDamage(std::span<const Pixels::PixelRect> areas);
    void resetBackground();
    void composeAndPresent();
    void putRainBack();

    SceneSurfaces& surfaces_;
    IMillisecondClock& clock_;
    // Empty in a preview.
    ScreenSaverOptionsStorage* saverOptions_ = nullptr;
    std::unique_ptr<Drawer> drawer_;
    std::unique_ptr<DropSystem> dropSystem_;
    std::unique_ptr<DropSystemSound> dropSound_;
    std::unique_ptr<Storm> storm_;
    ResetSchedule resetSchedule_;
    std::string wallpaperShown_;
    Pixels::FrameDamage damage_;
    bool presented_ = false;
};

} // namespace Scene
