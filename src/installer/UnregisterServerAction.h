#pragma once

#include "installer/IUninstallationAction.h"
#include "persistence/IStreamableObject.h"

#include <string>
#include <vector>

namespace Installer {

// Asks a server to take its registration back by running its unregistration command, and waits
// for it. A command that cannot be started is an error that ends the run.
class UnregisterServerAction : public IUninstallationAction, public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0xB3F0171D, 0x34EE, 0x46D2, {0xA0, 0xA7, 0x1E, 0xD1, 0x85, 0xD5, 0xE4, 0x72});

    UnregisterServerAction(std::string serverPath, bool isExecutable)
        : serverPath_(std::move(serverPath)), isExecutable_(isExecutable) {}

    const std::string& serverPath() const { return serverPath_; }
    bool isExecutable() const { return isExecutable_; }

    // The command's words: an executable is asked itself, a library through the system's
    // registration program. They go to the program as they are, never through a shell.
    std::vector<std::string> command() const;

    void execute(IProgressIndicator& progress) override;
    std::unique_ptr<IUninstallationAction> clone() const override;
    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    bool operator==(const UnregisterServerAction& other) const {
        return serverPath_ == other.serverPath_ && isExecutable_ == other.isExecutable_;
    }

private:
    std::string serverPath_;
    bool isExecutable_;
};

} // namespace Installer
