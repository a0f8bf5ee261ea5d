#include "settings/ControlPageModel.h"

#include "options/ScreensaverControlOptions.h"

ControlPageModel::ControlPageModel(ScreensaverControlOptions& options) : options_(options) {}

ControlPageState ControlPageModel::initialState() const {
    return {options_.resetEnabled(), options_.resetPeriod()};
}

SpinSettings ControlPageModel::resetPeriodSpin() const {
    return {ScreensaverControlOptions::minResetPeriodBound,
            ScreensaverControlOptions::maxResetPeriodBound, options_.resetPeriod()};
}

int32_t ControlPageModel::resetPeriodStepAfter(int64_t heldMilliseconds) {
    return stepAfter(resetPeriodAcceleration, heldMilliseconds);
}

void ControlPageModel::apply(const ControlPageState& state) const {
    options_.setResetEnabled(state.resetEnabled);
    options_.setResetPeriod(state.resetPeriod);
}
