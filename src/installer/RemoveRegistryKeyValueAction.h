#pragma once

#include "installer/RemoveRegistryKeyAction.h"

namespace Installer {

// Removes one value of a key; a key or value that does not exist is no error.
class RemoveRegistryKeyValueAction : public RemoveRegistryKeyAction {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0x711D9216, 0x5748, 0x46F5, {0xA6, 0x43, 0x5F, 0x85, 0x10, 0x85, 0x07, 0x98});

    RemoveRegistryKeyValueAction(uint32_t rootKey, std::string subkey, std::string valueName)
        : RemoveRegistryKeyAction(rootKey, std::move(subkey)), valueName_(std::move(valueName)) {}

    const std::string& valueName() const { return valueName_; }

    void execute(IProgressIndicator& progress) override;
    std::unique_ptr<IUninstallationAction> clone() const override;
    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    bool operator==(const RemoveRegistryKeyValueAction& other) const {
        return RemoveRegistryKeyAction::operator==(other) && valueName_ == other.valueName_;
    }

private:
    std::string valueName_;
};

} // namespace Installer
