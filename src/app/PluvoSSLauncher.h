#pragma once

#include "app/GraphicsVersion.h"
#include "app/ScreenSaverLauncher.h"

#include <functional>
#include <iosfwd>

// Binds the launcher's modes to the product: the rain saver, its preview, its settings and its
// uninstaller. The saver is handed in because it lives in a unit built after this one.
class PluvoSSLauncher : public ScreenSaverLauncher {
public:
    // Runs the saver full screen, windowed on the desktop or in a saver daemon's window, as
    // the command line says; returns the saver's result.
    using SaverRunner = std::function<int(const CommandLine& commandLine)>;
    // Runs the preview inside the given window until it is closed or the window goes.
    using PreviewRunner = std::function<void(int32_t parentWindow)>;
    // Shows the settings over the options in force until the user closes them.
    using SettingsRunner = std::function<void(int32_t parentWindow)>;
    // Removes the product as its install's script says; true when it was removed.
    using UninstallerRunner = std::function<bool()>;

    // Taken by preview mode for the process's life; it tells other programs a preview runs.
    static constexpr const char* previewMutexName = "PLUVO_SCREEN_SAVER_PREVIEW_RUNNING";

    // Modes not built yet are announced on notices.
    PluvoSSLauncher(std::string_view commandLineText, SaverRunner saver, std::ostream& notices,
                    PreviewRunner preview = productPreview());
    PluvoSSLauncher(CommandLine commandLine, SaverRunner saver, std::ostream& notices,
                    PreviewRunner preview = productPreview());

    // The rain in a child window of the given one, until the child is closed or destroyed.
    static PreviewRunner productPreview();
    // The settings dialog over Configuration::options().
    static SettingsRunner productSettings();
    // The uninstaller over the product's entry, with administrator rights required; its
    // detailed error reports name the graphics layer as probe finds it.
    static UninstallerRunner productUninstaller(GraphicsProbe probe);

    // Without one, settings mode says it is not available.
    void setSettingsRunner(SettingsRunner settings) { settings_ = std::move(settings); }
    // Without one, the uninstaller says it is not available.
    void setUninstallerRunner(UninstallerRunner uninstaller) {
        uninstaller_ = std::move(uninstaller);
    }

protected:
    void runSaver() override;
    void runSettings(int32_t parentWindow) override;
    void runPreview(int32_t parentWindow) override;
    void runUninstaller() override;

private:
    void announceUnavailable(const std::string& mode);

    SaverRunner saver_;
    std::ostream& notices_;
    PreviewRunner preview_;
    SettingsRunner settings_;
    UninstallerRunner uninstaller_;
};
