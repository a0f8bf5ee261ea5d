#include "backends/user32/settings/LightningPage.h"

#include "backends/user32/settings/LightningDetailDialogs.h"
#include "backends/user32/settings/Trackbar.h"

namespace User32 {

LightningPage::LightningPage(HWND window, ILightningOptionsStorage& options)
    : PropertyPage(window), options_(options), model_(options),
      shortestPause_(createTrackbarOver(window, LightningPageModel::shortestPauseId,
                                        model_.shortestPauseSlider())),
      longestPause_(createTrackbarOver(window, LightningPageModel::longestPauseId,
                                       model_.longestPauseSlider())) {
    const LightningPageState initial = model_.initialState();
    setChecked(LightningPageModel::boltsId, initial.boltsEnabled);
    setChecked(LightningPageModel::flashesId, initial.flashesEnabled);
    updateDetailButtons();
    SetFocus(item(LightningPageModel::firstFocus()));
}

LightningPageState LightningPage::state() const {
    return {trackbarPosition(shortestPause_), trackbarPosition(longestPause_),
            isChecked(LightningPageModel::boltsId), isChecked(LightningPageModel::flashesId)};
}

void LightningPage::updateDetailButtons() {
    const LightningPageState current = state();
    enable(LightningPageModel::boltDetailsId, LightningPageModel::boltDetailsEnabled(current));
    enable(LightningPageModel::flashDetailsId, LightningPageModel::flashDetailsEnabled(current));
}

void LightningPage::onCommand(int controlId, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    switch (controlId) {
    case LightningPageModel::boltsId:
    case LightningPageModel::flashesId:
        updateDetailButtons();
        break;
    case LightningPageModel::boltDetailsId:
        LightningDetailDialogs::editBolts(window(), options_);
        break;
    case LightningPageModel::flashDetailsId:
        LightningDetailDialogs::editFlashes(window(), options_);
        break;
    default:
        break;
    }
}

bool LightningPage::validate() {
    if (const auto failure = model_.validate(state())) {
        showFailure(*failure);
        return false;
    }
    return true;
}

void LightningPage::apply() {
    model_.apply(state());
}

} // namespace User32
