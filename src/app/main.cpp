#include "app/DialogReporter.h"
#include "app/PluvoSSLauncher.h"
#include "app/ProgramEntry.h"
#include "app/StreamReporter.h"
#include "backends/sdl/GraphicsLayerVersion.h"
#include "backends/x11/HostWindow.h"
#include "backends/x11/VanishedWindowMessages.h"
#include "checks/FrameChecks.h"
#include "options/Configuration.h"
#include "platform/StartupTrace.h"
#include "saver/PluvoScreenSaver.h"

#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <memory>
#include <optional>
#include <string>

namespace {

// The launcher reads one command-line text, as the saver machinery passes it; arguments are
// joined back with blanks so that a quoted path handed over in one argument stays intact.
std::string commandLineText(int argc, char** argv) {
    std::string text;
    for (int index = 1; index < argc; ++index) {
        if (index > 1) {
            text += ' ';
        }
        text += argv[index];
    }
    return text;
}

SaverPlacement placementFor(const CommandLine& commandLine) {
    if (commandLine.hosted) {
        return {ScreenSaverWindow::Style::Hosted,
                X11::HostWindow::checked(static_cast<unsigned long>(commandLine.parentWindow))};
    }
    return {commandLine.windowed ? ScreenSaverWindow::Style::Windowed
                                 : ScreenSaverWindow::Style::FullScreen,
            0};
}

PluvoSSLauncher::SaverRunner productSaver() {
    return [](const CommandLine& commandLine) {
        FrameChecks checks;
        PluvoScreenSaver saver(false, placementFor(commandLine));
        saver.addObserver(checks);
        return saver.run();
    };
}

std::optional<std::string> saverDaemonWindow() {
    if (const char* value = std::getenv("XSCREENSAVER_WINDOW")) {
        return std::string(value);
    }
    return std::nullopt;
}

// A saver daemon's user may never have opened our settings: the defaults stand in, and the save
// at the end stores them.
void loadConfigurationOrDefaults() {
    try {
        Configuration::load();
    } catch (const Configuration::NotFoundError&) {
        Configuration::useDefaults();
    }
}

bool isHosted(const std::string& text) {
    return CommandLine::parse(text, saverDaemonWindow()).hosted;
}

// Removing the product must not depend on settings that may never have been stored, or that
// an earlier, interrupted removal took away.
bool isUninstall(const std::string& text) {
    const RunMode mode = CommandLine::parse(text, std::nullopt).mode;
    return mode == RunMode::UninstallHandOver || mode == RunMode::Uninstall;
}

// In a daemon's window a dialog would lie unseen under that window, and the daemon keeps what
// its programs write to standard error.
std::unique_ptr<Reporter> reporterFor(const std::string& text) {
    if (isHosted(text)) {
        return std::make_unique<StreamReporter>(std::cerr);
    }
    return std::make_unique<DialogReporter>(std::cerr);
}

// The report's "DX:" line names the graphics layer the saver draws through.
GraphicsVersion probeGraphicsLayer() {
    const Sdl::GraphicsLayerVersion layer = Sdl::detectGraphicsLayerVersion();
    if (!layer.videoWorks()) {
        return {0, layer.reason};
    }
    return {layer.major * 256 + layer.minor, ""};
}

} // namespace

int main(int argc, char** argv) {
    StartupTrace::begin();
    // The saver frees a screen-sized desktop picture once it is shown. glibc would raise its
    // threshold for serving large blocks from the heap after the first one is freed, and later
    // frame buffers freed from the heap stay resident; a fixed threshold gives them back.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    X11::tolerateMessagesToVanishedWindows();
    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [](const std::string& text) -> std::unique_ptr<ScreenSaverLauncher> {
        auto launcher = std::make_unique<PluvoSSLauncher>(text, productSaver(), std::cerr);
        launcher->setSettingsRunner(PluvoSSLauncher::productSettings());
        launcher->setUninstallerRunner(PluvoSSLauncher::productUninstaller(probeGraphicsLayer));
        return launcher;
    };
    parts.probeDirectX = probeGraphicsLayer;
    const std::string text = commandLineText(argc, argv);
    if (isHosted(text) || isUninstall(text)) {
        parts.loadConfiguration = loadConfigurationOrDefaults;
    }
    const std::unique_ptr<Reporter> reporter = reporterFor(text);
    return runProgram(text, parts, *reporter);
}
