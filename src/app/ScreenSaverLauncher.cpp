#include "app/ScreenSaverLauncher.h"

#include "app/ProgramFiles.h"
#include "platform/NamedMutex.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

std::optional<std::string> saverDaemonWindow() {
    if (const char* value = std::getenv("XSCREENSAVER_WINDOW")) {
        return std::string(value);
    }
    return std::nullopt;
}

} // namespace

ScreenSaverLauncher::ScreenSaverLauncher(std::string_view commandLineText)
    : commandLine_(CommandLine::parse(commandLineText, saverDaemonWindow())) {}

ScreenSaverLauncher::ScreenSaverLauncher(CommandLine commandLine)
    : commandLine_(std::move(commandLine)) {}

void ScreenSaverLauncher::run() {
    switch (commandLine_.mode) {
    case RunMode::Saver:
        runSaver();
        break;
    case RunMode::Preview:
        runPreview(commandLine_.parentWindow);
        break;
    case RunMode::Settings:
        runSettings(commandLine_.parentWindow);
        break;
    case RunMode::UninstallHandOver:
        handOverUninstall();
        break;
    case RunMode::Uninstall:
        waitAndUninstall();
        break;
    }
}

std::string ScreenSaverLauncher::programPath() const {
    return ownProgramPath();
}

void ScreenSaverLauncher::copyProgram(const std::string& destination) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::copy_file(programPath(), destination, fs::copy_options::overwrite_existing, ignored);
    // The temporary file was created without execute permission.
    fs::permissions(destination, fs::perms::owner_all, fs::perm_options::replace, ignored);
}

void ScreenSaverLauncher::startProgram(const std::string& program, const std::string& arguments) {
    startDetached(program, arguments);
}

namespace {

// The copy waits for this process to end; when another holder has the lock already, this
// process simply does not own it, and nobody waits here.
void holdForProcessLifetime(const std::string& name) {
    static std::optional<NamedMutex> held;
    held = NamedMutex::tryAcquire(name);
}

} // namespace

void ScreenSaverLauncher::handOverUninstall() {
    const std::string copy = createTemporaryFile(temporaryCopyPrefix);
    copyProgram(copy);
    holdForProcessLifetime(handOverMutexName);
    startProgram(copy, "/kill \"" + programPath() + "\"");
}

bool ScreenSaverLauncher::isTemporaryCopy(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file(path);
    const fs::path temporaryFolder = fs::temp_directory_path(error);
    return !error && file.filename().string().starts_with(temporaryCopyPrefix) &&
           fs::equivalent(file.parent_path(), temporaryFolder, error);
}

namespace {

// The copy is of no use once the uninstaller has run, however it ended. Only a copy the
// hand-over made removes itself: /kill typed by hand on the installed program must not delete it.
class TemporaryCopyRemoval {
public:
    TemporaryCopyRemoval(ScreenSaverLauncher& launcher, std::string path)
        : launcher_(launcher), path_(std::move(path)) {}
    ~TemporaryCopyRemoval() {
        if (ScreenSaverLauncher::isTemporaryCopy(path_)) {
            launcher_.discardTemporaryCopy(path_);
        }
    }
    TemporaryCopyRemoval(const TemporaryCopyRemoval&) = delete;
    TemporaryCopyRemoval& operator=(const TemporaryCopyRemoval&) = delete;

private:
    ScreenSaverLauncher& launcher_;
    std::string path_;
};

} // namespace

void ScreenSaverLauncher::discardTemporaryCopy(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

void ScreenSaverLauncher::waitAndUninstall() {
    const TemporaryCopyRemoval removal(*this, programPath());
    NamedMutex::waitUntilReleased(handOverMutexName);
    runUninstaller();
}
