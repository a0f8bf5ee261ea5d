#include "settings/DropsPageModel.h"

#include "options/IDropSystemOptionsStorage.h"

DropsPageModel::DropsPageModel(IDropSystemOptionsStorage& options) : options_(options) {}

DropsPageState DropsPageModel::initialState() const {
    return {options_.density(),
            options_.densityRampUp(),
            options_.minRadius(),
            options_.minRadius() + options_.radiusSpread(),
            options_.windForce(),
            options_.windAngle(),
            speedPosition(options_.speed(), options_.minSpeed(), options_.maxSpeed())};
}

SliderSettings DropsPageModel::densitySlider() const {
    const int range = options_.maxDensity() - options_.minDensity();
    return {options_.minDensity(), options_.maxDensity(), 1, roundHalfUp(range * 0.1), 5,
            options_.density()};
}

SliderSettings DropsPageModel::smallestRadiusSlider() const {
    return radiusSlider(initialState().smallestRadius);
}

SliderSettings DropsPageModel::largestRadiusSlider() const {
    return radiusSlider(initialState().largestRadius);
}

SliderSettings DropsPageModel::radiusSlider(int position) const {
    // The step is a tenth of the largest radius, not of the range.
    return {options_.minRadiusBound(),
            options_.maxRadiusBound(),
            1,
            roundHalfUp(options_.maxRadiusBound() * 0.1),
            0,
            position};
}

SliderSettings DropsPageModel::windForceSlider() const {
    const int step = roundHalfUp(options_.maxWindForce() * 0.1);
    return {options_.minWindForce(), options_.maxWindForce(), 1, step, step, options_.windForce()};
}

SliderSettings DropsPageModel::speedSlider() const {
    const int speeds = options_.maxSpeed() - options_.minSpeed();
    return {0,
            speeds - 1,
            1,
            roundHalfUp(speeds * 0.1),
            roundHalfUp(speeds * 0.2),
            initialState().speedPosition};
}

std::optional<ValidationFailure> DropsPageModel::validate(const DropsPageState& state) const {
    if (state.largestRadius < state.smallestRadius) {
        return ValidationFailure{radiusMessage, ValidationFailure::Caption::errorString,
                                 smallestRadiusId};
    }
    return std::nullopt;
}

void DropsPageModel::apply(const DropsPageState& state) const {
    writeTo(state, options_);
}

void DropsPageModel::writeTo(const DropsPageState& state, IDropSystemOptionsStorage& target) {
    target.setDensity(state.density);
    target.setDensityRampUp(state.densityRampUp);
    target.setMinRadius(state.smallestRadius);
    target.setRadiusSpread(state.largestRadius - state.smallestRadius);
    target.setWindForce(state.windForce);
    target.setWindAngle(state.windAngle);
    target.setSpeed(speedAt(state.speedPosition, target.minSpeed(), target.maxSpeed()));
}

int DropsPageModel::speedPosition(int speed, int minSpeed, int maxSpeed) {
    return (maxSpeed - minSpeed - 1) - (speed - minSpeed);
}

int DropsPageModel::speedAt(int position, int minSpeed, int maxSpeed) {
    return maxSpeed - minSpeed - 1 - position + minSpeed;
}
