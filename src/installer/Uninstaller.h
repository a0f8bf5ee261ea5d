#pragma once

#include "installer/IUninstallerUi.h"
#include "platform/KeyValueStore.h"

#include <functional>
#include <string>

namespace Installer {

// Removes the product as the script of its entry prescribes, behind the user's confirmation and
// the administrator check.
class Uninstaller {
public:
    using RightsCheck = std::function<bool()>;
    // The machine hive that holds the given key, where the product's entry is looked up.
    using MachineStoreLookup = std::function<KeyValueStore(const std::string& key)>;

    // title: the application title, the wizard's window title.
    Uninstaller(IUninstallerUi& ui, std::string title, RightsCheck hasAdministratorRights,
                MachineStoreLookup machineStoreHolding = KeyValueStore::machineStoreHolding);

    // Returns true when the script ran to its end; errors reading the script propagate.
    bool uninstall(const std::string& uninstallKeyName, bool requireAdministrator);

private:
    IUninstallerUi& ui_;
    std::string title_;
    RightsCheck hasAdministratorRights_;
    MachineStoreLookup machineStoreHolding_;
};

// Root, or whoever may write into the folder the product was installed under.
bool hasAdministratorRights();

} // namespace Installer
