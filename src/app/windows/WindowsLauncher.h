#pragma once

#include "app/ScreenSaverLauncher.h"

// The run modes on Windows. The settings and the uninstaller are not built here yet: they say so
// and end with a failure.
class WindowsLauncher : public ScreenSaverLauncher {
public:
    using ScreenSaverLauncher::ScreenSaverLauncher;

protected:
    void runSaver() override;
    void runSettings(int32_t parentWindow) override;
    void runPreview(int32_t parentWindow) override;
    void runUninstaller() override;
};
