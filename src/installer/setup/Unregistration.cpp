#include "installer/setup/Unregistration.h"

#include "installer/DefaultUninstallerScript.h"
#include "installer/ProductEntry.h"
#include "installer/RegistryRoots.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/setup/HiveKeys.h"
#include "installer/setup/ProductKeys.h"
#include "installer/setup/SetupError.h"
#include "options/Configuration.h"

#include <filesystem>

namespace Installer {
namespace {

void requireWritable(const KeyValueStore& store) {
    if (const int code = store.prepareForWriting(); code != 0) {
        throw SetupError("cannot write to " + store.root().string() + ": " +
                         KeyValueStore::errorDetail(code));
    }
}

// What the script removes from the machine hive; a script that is gone or damaged leaves the
// entry's own values and keys to the caller.
void removeMachineRegistryItems(const KeyValueStore& store, const std::string& scriptPath) {
    std::unique_ptr<DefaultUninstallerScript> script;
    try {
        script = DefaultUninstallerScript::readFile(scriptPath);
    } catch (const std::exception&) {
        return;
    }
    for (std::size_t i = 0; i < script->actionCount(); ++i) {
        const IUninstallationAction& action = script->action(i);
        if (const auto* value = dynamic_cast<const RemoveRegistryKeyValueAction*>(&action)) {
            if (value->rootKey() == RegistryRoots::localMachine) {
                store.deleteValue(value->subkey(), value->valueName());
            }
        } else if (const auto* key = dynamic_cast<const RemoveRegistryKeyAction*>(&action)) {
            if (key->rootKey() == RegistryRoots::localMachine) {
                store.deleteKeyWithoutSubkeys(key->subkey());
            }
        }
    }
}

} // namespace

Unregistration::Unregistration(std::filesystem::path hive) : hive_(std::move(hive)) {}

bool Unregistration::run() {
    const KeyValueStore store(hive_);
    const std::string entryKey = ProductEntry::key(productUninstallKeyName);
    if (!store.keyExists(entryKey)) {
        return false;
    }
    requireWritable(KeyValueStore(store.keyPath(entryKey)));
    const ProductEntry entry = ProductEntry::read(store, productUninstallKeyName);
    if (!entry.uninstallScript.empty()) {
        removeMachineRegistryItems(store, entry.uninstallScript);
        std::error_code error;
        std::filesystem::remove(entry.uninstallScript, error);
        if (error) {
            throw SetupError("cannot remove the uninstall script " + entry.uninstallScript + ": " +
                             error.message());
        }
    }
    for (const char* name : {ProductEntry::displayNameValue, ProductEntry::scriptValue,
                             ProductEntry::packageValue, ProductEntry::uninstallCommandValue}) {
        store.deleteValue(entryKey, name);
    }
    removeEmptyKeys(store, entryKey);
    removeEmptyKeys(store, Configuration::subkey());
    return true;
}

} // namespace Installer
