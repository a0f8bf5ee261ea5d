#pragma once

#include "backends/user32/settings/PropertyPage.h"
#include "settings/SoundPageModel.h"

namespace User32 {

// Sound on or off, and the volumes of the rain and the thunder.
class SoundPage : public PropertyPage {
public:
    static constexpr int templateId = 144;

    SoundPage(HWND window, ISoundOptionsStorage& options, bool soundAvailable);

    void apply() override;

private:
    SoundPageModel model_;
    HWND rain_;
    HWND thunder_;
};

} // namespace User32
