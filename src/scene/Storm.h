#pragma once

#include "lightning/AreaRect.h"
#include "lightning/LightningController.h"
#include "lightning/LightningSoundManager.h"
#include "lightning/LightningView.h"

#include <functional>
#include <memory>
#include <span>

class IDropSystem;
class ScreenSaverOptionsStorage;

namespace Scene {

// The lightning over the rain: the controller that times the bolts and flashes, the view that
// draws them into the back buffer and puts the rain back after the present, and the thunder. It
// exists whether or not bolts or flashes are on, so that switching them needs nothing new.
class Storm {
public:
    // The controller times the bolts by the system clock and rand15; a test gives its own.
    using ControllerFactory = std::function<std::unique_ptr<LightningController>(
        const AreaRect& area, const IDropSystem& drops, const ILightningOptions& options)>;

    static std::unique_ptr<LightningController>
    standardController(const AreaRect& area, const IDropSystem& drops,
                       const ILightningOptions& options);

    // After the background is final, as the view makes its flash image from it.
    Storm(Pixels::PixelSurface& backBuffer, const IDropSystem& drops,
          const ScreenSaverOptionsStorage& options, const ControllerFactory& makeController);

    // Moves the bolts and flashes on to this frame's time.
    void advance();
    // Where this frame's rain is to be drawn: the back buffer, with the bolt put back first
    // (restore()), or while a lit flash covers the whole screen, the copy of the rain it keeps.
    Pixels::PixelSurface& rainLayer();
    // Brings the back buffer to this frame's bolt or flash over the rain, putting back first
    // what an earlier draw() left where it must; what changed must reach the screen.
    std::span<const Pixels::PixelRect> draw();
    // Puts the rain back where the bolt or flash was, before anything else draws on the back
    // buffer; what it uncovers must reach the screen.
    std::span<const Pixels::PixelRect> restore();
    // A new background needs a new flash image. The rain must be back first (restore()).
    void backgroundChanged() { view_->createFlash(); }

private:
    bool active() const;

    const ScreenSaverOptionsStorage& options_;
    std::unique_ptr<LightningView> view_;
    std::unique_ptr<LightningSoundManager> thunder_;
    std::unique_ptr<LightningController> controller_;
};

} // namespace Scene
