#include "backends/qt/settings/Trackbar.h"

#include "backends/qt/settings/ControlIds.h"

QSlider* makeTrackbar(Qt::Orientation orientation, const SliderSettings& settings,
                      const QString& name, int id) {
    auto* slider = new QSlider(orientation);
    slider->setObjectName(name);
    ControlIds::assign(*slider, id);
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
