#pragma once

#include "settings/SliderSettings.h"

#include <cstdint>

class ISoundOptionsStorage;

// What the Sound page's controls hold.
struct SoundPageState {
    int32_t rainPosition;
    int32_t thunderPosition;
    bool soundEnabled;
};

// Sound on or off and the volumes of the rain and the thunder. Without an audio output the
// switch is off and cannot be turned on.
class SoundPageModel {
public:
    static constexpr int rainVolumeId = 1052;
    static constexpr int thunderVolumeId = 1053;
    static constexpr int soundEnabledId = 1051;

    SoundPageModel(ISoundOptionsStorage& options, bool soundAvailable);

    SoundPageState initialState() const;
    SliderSettings rainSlider() const;
    SliderSettings thunderSlider() const;
    bool switchEnabled() const { return soundAvailable_; }
    int firstFocus() const { return soundAvailable_ ? soundEnabledId : rainVolumeId; }

    void apply(const SoundPageState& state) const;

    // A volume as a slider position: hundredths, cut off toward zero.
    static int volumePosition(float volume);
    // A slider position as a volume, in single precision as the options keep it. So a volume
    // that has no exact float, such as 0.8, comes back a hundredth lower at the next opening.
    static float volumeAt(int position);

private:
    SliderSettings volumeSlider(float volume) const;

    ISoundOptionsStorage& options_;
    bool soundAvailable_;
};
