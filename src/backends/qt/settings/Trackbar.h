#pragma once

#include <QSlider>

// The sliders of the pages: a range, a line and page step, ticks every so many positions (0 for
// none) and a starting position.
struct TrackbarSettings {
    int minimum;
    int maximum;
    int lineSize;
    int pageSize;
    int tickEvery;
    int position;
};

// Add one half and truncate toward zero, as the pages round their step sizes.
inline int roundHalfUp(double value) {
    return static_cast<int>(value + 0.5);
}

QSlider* makeTrackbar(Qt::Orientation orientation, const TrackbarSettings& settings,
                      const QString& name);
