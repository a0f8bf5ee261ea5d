#include "installer/Uninstaller.h"

#include "installer/DefaultUninstallerScript.h"
#include "installer/InstallerTexts.h"
#include "installer/ProductEntry.h"
#include "installer/RegistryRoots.h"

namespace Installer {

Uninstaller::Uninstaller(IUninstallerUi& ui, std::string title, RightsCheck hasAdministratorRights,
                         MachineStoreLookup machineStoreHolding)
    : ui_(ui), title_(std::move(title)), hasAdministratorRights_(std::move(hasAdministratorRights)),
      machineStoreHolding_(std::move(machineStoreHolding)) {}

bool Uninstaller::uninstall(const std::string& uninstallKeyName, bool requireAdministrator) {
    const std::string caption = text(Text::addRemovePrograms);
    const KeyValueStore machine = machineStoreHolding_(ProductEntry::key(uninstallKeyName));
    const ProductEntry entry = ProductEntry::read(machine, uninstallKeyName);
    if (entry.displayName.empty()) {
        ui_.showMessage(text(Text::alreadyRemoved), caption, IUninstallerUi::Icon::Warning);
        return false;
    }
    // Removing a package's files behind the package manager's back would leave it believing
    // they are still there.
    if (!entry.package.empty()) {
        ui_.showMessage(text(Text::removedByPackageManager, entry.displayName,
                             "sudo apt remove " + entry.package),
                        caption, IUninstallerUi::Icon::Information);
        return false;
    }
    if (!ui_.askYesNo(text(Text::removeQuestion, entry.displayName), caption)) {
        return false;
    }
    if (requireAdministrator && !hasAdministratorRights_()) {
        ui_.showMessage(text(Text::administratorNeeded), caption, IUninstallerUi::Icon::Error);
        return false;
    }
    const std::unique_ptr<DefaultUninstallerScript> script =
        DefaultUninstallerScript::readFile(entry.uninstallScript);
    RegistryRoots::useMachineHive(machine.root());
    ui_.runWizard(*script, title_);
    if (script->failed()) {
        return false;
    }
    ui_.showMessage(text(Text::removed, entry.displayName), caption,
                    IUninstallerUi::Icon::Information);
    return true;
}

} // namespace Installer
