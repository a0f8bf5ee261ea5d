#include "installer/RegistryRoots.h"

#include <mutex>

namespace Installer {
namespace {

std::mutex machineHiveLock;
std::optional<std::filesystem::path> chosenMachineHive;

} // namespace

std::optional<KeyValueStore> RegistryRoots::storeFor(uint32_t rootKey) {
    switch (rootKey) {
    case currentUser:
        return KeyValueStore(KeyValueStore::Hive::CurrentUser);
    case localMachine:
        return KeyValueStore(machineHive());
    default:
        return std::nullopt;
    }
}

void RegistryRoots::useMachineHive(const std::filesystem::path& root) {
    const std::lock_guard lock(machineHiveLock);
    chosenMachineHive = root;
}

std::filesystem::path RegistryRoots::machineHive() {
    const std::lock_guard lock(machineHiveLock);
    return chosenMachineHive ? *chosenMachineHive : KeyValueStore::installHiveRoot();
}

} // namespace Installer
