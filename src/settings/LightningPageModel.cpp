#include "settings/LightningPageModel.h"

#include "options/ILightningOptionsStorage.h"

LightningPageModel::LightningPageModel(ILightningOptionsStorage& options) : options_(options) {}

LightningPageState LightningPageModel::initialState() const {
    return {options_.minInterval(), options_.minInterval() + options_.intervalSpread(),
            options_.boltsEnabled(), options_.flashesEnabled()};
}

SliderSettings LightningPageModel::shortestPauseSlider() const {
    return pauseSlider(initialState().shortestPause);
}

SliderSettings LightningPageModel::longestPauseSlider() const {
    return pauseSlider(initialState().longestPause);
}

SliderSettings LightningPageModel::pauseSlider(int position) const {
    const int step = roundHalfUp(options_.maxIntervalBound() * 0.1);
    return {options_.minIntervalBound(), options_.maxIntervalBound(), 1, step, step, position};
}

std::optional<ValidationFailure>
LightningPageModel::validate(const LightningPageState& state) const {
    if (state.boltsEnabled && state.longestPause < state.shortestPause) {
        return ValidationFailure{pauseMessage, ValidationFailure::Caption::errorString,
                                 shortestPauseId};
    }
    return std::nullopt;
}

void LightningPageModel::apply(const LightningPageState& state) const {
    options_.setMinInterval(state.shortestPause);
    options_.setIntervalSpread(state.longestPause - state.shortestPause);
    options_.setBoltsEnabled(state.boltsEnabled);
    options_.setFlashesEnabled(state.flashesEnabled);
}
