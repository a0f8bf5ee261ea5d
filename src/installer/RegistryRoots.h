#pragma once

#include "platform/KeyValueStore.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace Installer {

// The root keys a script names by their predefined handle values, and the hives they stand for.
class RegistryRoots {
public:
    static constexpr uint32_t currentUser = 0x80000001;
    static constexpr uint32_t localMachine = 0x80000002;

    // The store of a root key; nothing for a root this program has no hive for.
    static std::optional<KeyValueStore> storeFor(uint32_t rootKey);
    // The machine hive is the one that holds the product's entry, once the uninstaller has found
    // it; before that, the install's own.
    static void useMachineHive(const std::filesystem::path& root);
    static std::filesystem::path machineHive();
};

} // namespace Installer
