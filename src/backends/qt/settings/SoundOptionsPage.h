#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

class ISoundOptionsStorage;
class QCheckBox;
class QSlider;

// Sound on or off and the volumes of the rain and the thunder.
class SoundOptionsPage : public PropertyPageBase {
    Q_OBJECT

public:
    // Without an audio output the switch is off and cannot be turned on.
    SoundOptionsPage(IPropertyPageHost& host, ISoundOptionsStorage& options, bool soundAvailable);

    void apply() override;

    // A volume as a slider position: hundredths, cut off toward zero.
    static int volumePosition(float volume);
    // A slider position as a volume, in single precision as the options keep it.
    static float volumeAt(int position);

private:
    ISoundOptionsStorage& options_;
    QSlider* rain_;
    QSlider* thunder_;
    QCheckBox* enabled_;
};
