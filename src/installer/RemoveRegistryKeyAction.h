#pragma once

#include "installer/IUninstallationAction.h"
#include "persistence/IStreamableObject.h"

#include <cstdint>
#include <string>

namespace Installer {

// Removes a key with its values when it has no subkeys; a key with subkeys stays.
class RemoveRegistryKeyAction : public IUninstallationAction,
                                public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0x592D0C35, 0x14A3, 0x4F34, {0x9B, 0xFB, 0x79, 0x84, 0xEA, 0xD6, 0x4C, 0xAC});

    // rootKey: one of RegistryRoots' handle values.
    RemoveRegistryKeyAction(uint32_t rootKey, std::string subkey)
        : rootKey_(rootKey), subkey_(std::move(subkey)) {}

    uint32_t rootKey() const { return rootKey_; }
    const std::string& subkey() const { return subkey_; }

    void execute(IProgressIndicator& progress) override;
    std::unique_ptr<IUninstallationAction> clone() const override;
    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    bool operator==(const RemoveRegistryKeyAction& other) const {
        return rootKey_ == other.rootKey_ && subkey_ == other.subkey_;
    }

private:
    uint32_t rootKey_;
    std::string subkey_;
};

} // namespace Installer
