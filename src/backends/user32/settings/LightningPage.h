#pragma once

#include "backends/user32/settings/PropertyPage.h"
#include "settings/LightningPageModel.h"

class ILightningOptionsStorage;

namespace User32 {

// Bolts and flashes on or off, the pauses between bolts, and the two detail dialogs.
class LightningPage : public PropertyPage {
public:
    static constexpr int templateId = 131;

    LightningPage(HWND window, ILightningOptionsStorage& options);

    bool validate() override;
    void apply() override;
    void onCommand(int controlId, int notification) override;

private:
    LightningPageState state() const;
    void updateDetailButtons();

    ILightningOptionsStorage& options_;
    LightningPageModel model_;
    HWND shortestPause_;
    HWND longestPause_;
};

} // namespace User32
