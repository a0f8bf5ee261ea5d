#include "installer/UnregisterServerAction.h"

#include "errors/BasicError.h"
#include "installer/ChildProcess.h"
#include "installer/InstallerTexts.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    std::string path = stream.readString();
    const bool executable = stream.readUInt32() != 0;
    return std::make_unique<UnregisterServerAction>(std::move(path), executable);
}

const Persistence::ClassRegistration registration{UnregisterServerAction::streamClassId, read};

constexpr const char* registrationProgram = "regsvr32.exe";

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
