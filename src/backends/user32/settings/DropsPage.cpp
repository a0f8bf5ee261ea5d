#include "backends/user32/settings/DropsPage.h"

#include "backends/user32/settings/Trackbar.h"
#include "backends/user32/settings/WindDirectionControl.h"
#include "options/ScreenSaverOptionsStorage.h"

namespace User32 {

DropsPage::DropsPage(HWND window, ScreenSaverOptionsStorage& options)
    : PropertyPage(window), model_(options),
      density_(createTrackbarOver(window, DropsPageModel::densityId, model_.densitySlider())),
      smallestRadius_(createTrackbarOver(window, DropsPageModel::smallestRadiusId,
                                         model_.smallestRadiusSlider())),
      largestRadius_(createTrackbarOver(window, DropsPageModel::largestRadiusId,
                                        model_.largestRadiusSlider())),
      windForce_(createTrackbarOver(window, DropsPageModel::windForceId, model_.windForceSlider())),
      // Position 0 is the top of the slider: the fastest rain.
      speed_(createTrackbarOver(window, DropsPageModel::speedId, model_.speedSlider(), true)),
      windDirection_(WindDirectionControl::createOver(window, DropsPageModel::windDirectionId)) {
    const DropsPageState initial = model_.initialState();
    setChecked(DropsPageModel::densityRampUpId, initial.densityRampUp);
    windDirection_.setLimits(DropsPageModel::lowestWindAngle, DropsPageModel::highestWindAngle);
    windDirection_.setAngle(initial.windAngle);
    SetFocus(item(DropsPageModel::firstFocus()));
}

DropsPageState DropsPage::state() const {
    return {trackbarPosition(density_),        isChecked(DropsPageModel::densityRampUpId),
            trackbarPosition(smallestRadius_), trackbarPosition(largestRadius_),
            trackbarPosition(windForce_),      windDirection_.angle(),
            trackbarPosition(speed_)};
}

bool DropsPage::validate() {
    if (const auto failure = model_.validate(state())) {
        showFailure(*failure);
        return false;
    }
    return true;
}

void DropsPage::apply() {
    model_.apply(state());
}

} // namespace User32
