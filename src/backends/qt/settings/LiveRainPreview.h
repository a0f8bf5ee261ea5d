#pragma once

#include "options/ScreenSaverOptionsStorage.h"

class DropsOptionsPage;
class RainPreviewWidget;

// The rain preview beside the pages, with drop settings of its own that follow the Drops page
// as the user moves its controls, so the options themselves change only on OK.
class LiveRainPreview {
public:
    // Must outlive the widget's window.
    explicit LiveRainPreview(const ScreenSaverOptionsStorage& options);

    // Made here, owned by the window it is put into.
    RainPreviewWidget* widget() { return widget_; }
    void follow(DropsOptionsPage& page);

    const ScreenSaverOptionsStorage& options() const { return options_; }

private:
    ScreenSaverOptionsStorage options_;
    RainPreviewWidget* widget_;
};
