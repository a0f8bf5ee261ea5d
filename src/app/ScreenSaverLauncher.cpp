#include "app/ScreenSaverLauncher.h"

#include "platform/NamedMutex.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::optional<std::string> saverDaemonWindow() {
    if (const char* value = std::getenv("XSCREENSAVER_WINDOW")) {
        return std::string(value);
    }
    return std::nullopt;
}

// A new, empty file of ours in the temporary folder, so that no other program can slip its own
// file in under the name before the copy is made.
std::string createTemporaryFile() {
    const std::filesystem::path pattern =
        std::filesystem::temp_directory_path() /
        (std::string(ScreenSaverLauncher::temporaryCopyPrefix) + "XXXXXX");
    std::string name = pattern.string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        const int code = errno;
        throw BasicError("Cannot create a temporary file in " + pattern.parent_path().string() +
                         ": " + std::strerror(code) + " (" + std::to_string(code) + ")");
    }
    ::close(descriptor);
    return name;
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
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

void ScreenSaverLauncher::copyProgram(const std::string& destination) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::copy_file(programPath(), destination, fs::copy_options::overwrite_existing, ignored);
    // The temporary file was created without execute permission.
    fs::permissions(destination, fs::perms::owner_all, fs::perm_options::replace, ignored);
}

void ScreenSaverLauncher::startProgram(const std::string& program, const std::string& arguments) {
    // One argument holding the whole text: the started program joins its arguments back into
    // the command-line text it parses, so quotes and blanks arrive as they were written.
    std::string programArgument = program;
    std::string argumentText = arguments;
    std::vector<char*> argv{programArgument.data(), argumentText.data(), nullptr};
    pid_t child = 0;
    ::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
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
    const std::string copy = createTemporaryFile();
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
    explicit TemporaryCopyRemoval(std::string path) : path_(std::move(path)) {}
    ~TemporaryCopyRemoval() {
        if (ScreenSaverLauncher::isTemporaryCopy(path_)) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryCopyRemoval(const TemporaryCopyRemoval&) = delete;
    TemporaryCopyRemoval& operator=(const TemporaryCopyRemoval&) = delete;

private:
    std::string path_;
};

} // namespace

void ScreenSaverLauncher::waitAndUninstall() {
    const TemporaryCopyRemoval removal(programPath());
    NamedMutex::waitUntilReleased(handOverMutexName);
    runUninstaller();
}
