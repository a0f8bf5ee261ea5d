#pragma once

#include "installer/IUninstallationAction.h"

#include <string>

namespace Installer {

// What the wizard's progress page needs of a script: its actions, and a flag for a run that
// failed. The texts come from the installer that wrote the script; nothing here shows them.
class IScript {
public:
    virtual ~IScript() = default;
    virtual std::string firstText() const = 0;
    virtual std::string emptyText() const { return {}; }
    virtual std::string secondText() const = 0;
    // A copy of every action in script order, each cloned.
    virtual ActionList actions() const = 0;
    virtual bool failed() const = 0;
    virtual void setFailed(bool failed) = 0;
    virtual std::string secondEmptyText() const { return {}; }
    virtual void doNothing() {}
};

class IUninstallerScript : public IScript {};

} // namespace Installer
