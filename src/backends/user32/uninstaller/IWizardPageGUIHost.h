#pragma once

#include <string>

namespace User32 {

// What a wizard page may do to the dialog around it.
class IWizardPageGUIHost {
public:
    virtual ~IWizardPageGUIHost() = default;
    virtual void enableNext(bool enabled) = 0;
    virtual void enableBack(bool enabled) = 0;
    virtual void enableCancel(bool enabled) = 0;
    virtual void setNextCaption(const std::string& caption) = 0;
    virtual void pressNext() = 0;
};

} // namespace User32
