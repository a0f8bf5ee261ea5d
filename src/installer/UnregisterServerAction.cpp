#include "installer/UnregisterServerAction.h"

#include "errors/BasicError.h"
#include "installer/InstallerTexts.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    std::string path = stream.readString();
    const bool executable = stream.readUInt32() != 0;
    return std::make_unique<UnregisterServerAction>(std::move(path), executable);
}

const Persistence::ClassRegistration registration{UnregisterServerAction::streamClassId, read};

constexpr const char* registrationProgram = "regsvr32.exe";

// Starts the command and waits for it; false when it could not be started. Its exit status
// tells nothing the uninstaller acts on.
bool runAndWait(const std::vector<std::string>& words) {
    std::vector<std::string> copies = words;
    std::vector<char*> argv;
    for (std::string& word : copies) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

} // namespace

std::vector<std::string> UnregisterServerAction::command() const {
    if (isExecutable_) {
        return {serverPath_, "/UnregServer"};
    }
    return {registrationProgram, "/s", "/u", serverPath_};
}

void UnregisterServerAction::execute(IProgressIndicator&) {
    if (serverPath_.empty() || !runAndWait(command())) {
        throw BasicError(text(Text::cannotUnregister, serverPath_));
    }
}

std::unique_ptr<IUninstallationAction> UnregisterServerAction::clone() const {
    return std::make_unique<UnregisterServerAction>(*this);
}

void UnregisterServerAction::write(Persistence::OutputStream& stream) const {
    stream.writeString(serverPath_);
    stream.writeUInt32(isExecutable_ ? 1 : 0);
}

} // namespace Installer
