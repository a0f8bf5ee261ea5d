#include "backends/qt/settings/Trackbar.h"

QSlider* makeTrackbar(Qt::Orientation orientation, const TrackbarSettings& settings,
                      const QString& name) {
    auto* slider = new QSlider(orientation);
    slider->setObjectName(name);
    slider->setRange(settings.minimum, settings.maximum);
    slider->setSingleStep(settings.lineSize);
    slider->setPageStep(settings.pageSize);
    if (settings.tickEvery > 0) {
        slider->setTickInterval(settings.tickEvery);
        slider->setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow
                                                              : QSlider::TicksRight);
    }
    slider->setValue(settings.position);
    return slider;
}
