#pragma once

#include "backends/user32/settings/PropertyPage.h"
#include "settings/DropsPageModel.h"

class ScreenSaverOptionsStorage;

namespace User32 {

class WindDirectionControl;

// Density, ramp-up, drop sizes, wind and speed.
class DropsPage : public PropertyPage {
public:
    static constexpr int templateId = 118;

    DropsPage(HWND window, ScreenSaverOptionsStorage& options);

    bool validate() override;
    void apply() override;

private:
    DropsPageState state() const;

    DropsPageModel model_;
    HWND density_;
    HWND smallestRadius_;
    HWND largestRadius_;
    HWND windForce_;
    HWND speed_;
    WindDirectionControl& windDirection_;
};

} // namespace User32
