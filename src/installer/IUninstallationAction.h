#pragma once

#include "installer/IAction.h"

#include <memory>
#include <vector>

namespace Installer {

// One step of undoing an install, as the uninstall script lists it.
class IUninstallationAction : public IAction {
public:
    // A new action with the same fields.
    virtual std::unique_ptr<IUninstallationAction> clone() const = 0;
};

using ActionList = std::vector<std::unique_ptr<IUninstallationAction>>;

} // namespace Installer
