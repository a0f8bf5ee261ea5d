#include "backends/qt/settings/LiveRainPreview.h"

#include "backends/qt/settings/DropsOptionsPage.h"
#include "backends/qt/settings/RainPreviewWidget.h"
#include "platform/MillisecondClock.h"

namespace {

void copyDropOptions(const ScreenSaverOptionsStorage& from, ScreenSaverOptionsStorage& to) {
    to.setDensity(from.density());
    to.setDensityRampUp(from.densityRampUp());
    to.setMinRadius(from.minRadius());
    to.setRadiusSpread(from.radiusSpread());
    to.setWindForce(from.windForce());
    to.setWindAngle(from.windAngle());
    to.setSpeed(from.speed());
}

} // namespace

LiveRainPreview::LiveRainPreview(const ScreenSaverOptionsStorage& options) {
    copyDropOptions(options, options_);
    widget_ = new RainPreviewWidget(options_, systemClock());
}

void LiveRainPreview::follow(DropsOptionsPage& page) {
    QObject::connect(&page, &DropsOptionsPage::changed, widget_, [this, &page] {
        page.writeTo(options_);
        widget_->restart();
    });
}
