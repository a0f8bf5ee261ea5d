#pragma once

#include <string>

namespace Installer {

// What a wizard page may do with the buttons of the window that shows it.
class IWizardPageGUIHost {
public:
    virtual ~IWizardPageGUIHost() = default;
    virtual void enableNext(bool enabled) = 0;
    virtual void enableBack(bool enabled) = 0;
    virtual void enableCancel(bool enabled) = 0;
    virtual void setNextCaption(const std::string& caption) = 0;
    // As if the user had clicked Next, enabled or not.
    virtual void pressNext() = 0;
};

} // namespace Installer
