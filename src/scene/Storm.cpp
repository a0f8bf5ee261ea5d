#include "scene/Storm.h"

#include "options/ScreenSaverOptionsStorage.h"

namespace Scene {

std::unique_ptr<LightningController> Storm::standardController(const AreaRect& area,
                                                               const IDropSystem& drops,
                                                               const ILightningOptions& options) {
    return std::make_unique<LightningController>(area, drops, options);
}

Storm::Storm(Pixels::PixelSurface& backBuffer, const IDropSystem& drops,
             const ScreenSaverOptionsStorage& options, const ControllerFactory& makeController)
    : options_(options), view_(std::make_unique<LightningView>(backBuffer, options)),
      thunder_(std::make_unique<LightningSoundManager>()),
      controller_(makeController({0, backBuffer.height(), backBuffer.width(), 0}, drops, options)) {
    thunder_->setVolume(options.thunderVolume());
    controller_->setView(view_.get());
    controller_->setSoundManager(thunder_.get());
}

bool Storm::active() const {
    return options_.boltsEnabled() || options_.flashesEnabled();
}

void Storm::advance() {
    if (active()) {
        controller_->update();
    }
}

Pixels::PixelSurface& Storm::rainLayer() {
    return view_->rainLayer();
}

std::span<const Pixels::PixelRect> Storm::draw() {
    return active() ? view_->draw() : view_->restore();
}

std::span<const Pixels::PixelRect> Storm::restore() {
    return view_->restore();
}

} // namespace Scene
