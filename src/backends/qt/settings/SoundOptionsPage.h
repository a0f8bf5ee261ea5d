#pragma once

#include "backends/qt/settings/PropertyPageBase.h"
#include "settings/SoundPageModel.h"

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

private:
    SoundPageModel model_;
    QSlider* rain_;
    QSlider* thunder_;
    QCheckBox* enabled_;
};
