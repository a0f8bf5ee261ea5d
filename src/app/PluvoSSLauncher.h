#pragma once

#include "app/ScreenSaverLauncher.h"

#include <functional>
#include <iosfwd>

// Binds the launcher's modes to the product: the rain saver, its preview, its settings and its
// uninstaller. The saver is handed in because it lives in a unit built after this one.
class PluvoSSLauncher : public ScreenSaverLauncher {
public:
    // Runs the saver, windowed on the desktop or full screen; returns the saver's result.
    using SaverRunner = std::function<int(bool windowed)>;

    // The uninstall entry the product's installer made.
    static constexpr const char* uninstallKeyName = "{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}";

    // Modes not built yet are announced on notices.
    PluvoSSLauncher(std::string_view commandLineText, SaverRunner saver, std::ostream& notices);
    PluvoSSLauncher(CommandLine commandLine, SaverRunner saver, std::ostream& notices);

protected:
    void runSaver() override;
    void runSettings(int32_t parentWindow) override;
    void runPreview(int32_t parentWindow) override;
    void runUninstaller() override;

private:
    void announceUnavailable(const std::string& mode);

    SaverRunner saver_;
    std::ostream& notices_;
};
