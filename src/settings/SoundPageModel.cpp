#include "settings/SoundPageModel.h"

#include "options/ISoundOptionsStorage.h"

SoundPageModel::SoundPageModel(ISoundOptionsStorage& options, bool soundAvailable)
    : options_(options), soundAvailable_(soundAvailable) {}

SoundPageState SoundPageModel::initialState() const {
    return {volumePosition(options_.rainVolume()), volumePosition(options_.thunderVolume()),
            soundAvailable_ && options_.soundEnabled()};
}

SliderSettings SoundPageModel::rainSlider() const {
    return volumeSlider(options_.rainVolume());
}

SliderSettings SoundPageModel::thunderSlider() const {
    return volumeSlider(options_.thunderVolume());
}

SliderSettings SoundPageModel::volumeSlider(float volume) const {
    const int lowest = volumePosition(options_.minVolume());
    const int highest = volumePosition(options_.maxVolume());
    const int step = roundHalfUp((highest - lowest) * 0.1);
    return {lowest, highest, 1, step, step, volumePosition(volume)};
}

void SoundPageModel::apply(const SoundPageState& state) const {
    options_.setRainVolume(volumeAt(state.rainPosition));
    options_.setThunderVolume(volumeAt(state.thunderPosition));
    options_.setSoundEnabled(state.soundEnabled);
}

int SoundPageModel::volumePosition(float volume) {
    return static_cast<int>(volume * 100.0f);
}

float SoundPageModel::volumeAt(int position) {
    return static_cast<float>(position) * 0.01f;
}
