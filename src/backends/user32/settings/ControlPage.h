#pragma once

#include "backends/user32/settings/PropertyPage.h"
#include "settings/ControlPageModel.h"

#include <memory>

class ScreensaverControlOptions;

namespace User32 {

class CpuLoadAndInterruptingOptionsControl;

// The periodic reset of the picture, and the processor load and interruption control it hosts.
class ControlPage : public PropertyPage {
public:
    static constexpr int templateId = 150;

    ControlPage(HWND window, ScreensaverControlOptions& options);
    ~ControlPage() override;

    bool validate() override;
    void apply() override;
    void onCommand(int controlId, int notification) override;
    HBRUSH colourFor(HWND control, HDC context) override;

private:
    void setUpResetPeriod();
    void updatePeriodControls();

    ControlPageModel model_;
    std::unique_ptr<CpuLoadAndInterruptingOptionsControl> cpuLoad_;
};

} // namespace User32
