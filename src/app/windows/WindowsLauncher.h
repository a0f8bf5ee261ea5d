#pragma once

#include "app/GraphicsVersion.h"
#include "app/ScreenSaverLauncher.h"

// The run modes on Windows.
class WindowsLauncher : public ScreenSaverLauncher {
public:
    // probeGraphics: what the head of a detailed error report says of DirectX.
    WindowsLauncher(std::string_view commandLineText, GraphicsProbe probeGraphics)
        : ScreenSaverLauncher(commandLineText), probeGraphics_(std::move(probeGraphics)) {}

    void discardTemporaryCopy(const std::string& path) override;

protected:
    void runSaver() override;
    void runSettings(int32_t parentWindow) override;
    void runPreview(int32_t parentWindow) override;
    void runUninstaller() override;
    void copyProgram(const std::string& destination) override;

private:
    GraphicsProbe probeGraphics_;
};
