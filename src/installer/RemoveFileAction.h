#pragma once

#include "installer/IUninstallationAction.h"
#include "persistence/IStreamableObject.h"

#include <string>

namespace Installer {

// Deletes one file; a file that is missing or cannot be deleted stays, and the run goes on.
class RemoveFileAction : public IUninstallationAction, public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0x70FFA885, 0x447E, 0x43DE, {0xB2, 0x9D, 0x51, 0x0D, 0xD5, 0xC7, 0xA7, 0x8B});

    explicit RemoveFileAction(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    void execute(IProgressIndicator& progress) override;
    std::unique_ptr<IUninstallationAction> clone() const override;
    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    bool operator==(const RemoveFileAction& other) const { return path_ == other.path_; }

private:
    std::string path_;
};

} // namespace Installer
