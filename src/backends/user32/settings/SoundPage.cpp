#include "backends/user32/settings/SoundPage.h"

#include "backends/user32/settings/Trackbar.h"

namespace User32 {

SoundPage::SoundPage(HWND window, ISoundOptionsStorage& options, bool soundAvailable)
    : PropertyPage(window), model_(options, soundAvailable),
      rain_(createTrackbarOver(window, SoundPageModel::rainVolumeId, model_.rainSlider())),
      thunder_(
          createTrackbarOver(window, SoundPageModel::thunderVolumeId, model_.thunderSlider())) {
    setChecked(SoundPageModel::soundEnabledId, model_.initialState().soundEnabled);
    enable(SoundPageModel::soundEnabledId, model_.switchEnabled());
    SetFocus(item(model_.firstFocus()));
}

void SoundPage::apply() {
    model_.apply({trackbarPosition(rain_), trackbarPosition(thunder_),
                  isChecked(SoundPageModel::soundEnabledId)});
}

} // namespace User32
