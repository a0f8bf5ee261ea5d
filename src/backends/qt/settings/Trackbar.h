#pragma once

#include "settings/SliderSettings.h"

#include <QSlider>

QSlider* makeTrackbar(Qt::Orientation orientation, const SliderSettings& settings,
                      const QString& name, int id);
