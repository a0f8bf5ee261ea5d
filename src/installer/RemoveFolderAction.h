#pragma once

#include "installer/IUninstallationAction.h"
#include "persistence/IStreamableObject.h"

#include <string>

namespace Installer {

// Removes one folder when it is empty; a folder that still holds anything stays.
class RemoveFolderAction : public IUninstallationAction, public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0xC677B550, 0xE6C9, 0x4A56, {0x8E, 0xA3, 0xB0, 0x33, 0x4F, 0x50, 0xCA, 0x19});

    explicit RemoveFolderAction(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    void execute(IProgressIndicator& progress) override;
    std::unique_ptr<IUninstallationAction> clone() const override;
    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    bool operator==(const RemoveFolderAction& other) const { return path_ == other.path_; }

private:
    std::string path_;
};

} // namespace Installer
