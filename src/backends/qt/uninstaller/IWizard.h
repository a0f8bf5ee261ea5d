#pragma once

#include "backends/qt/uninstaller/WizardPage.h"
#include "installer/IWizardPageGUIHost.h"

#include <memory>

class QWidget;

namespace Installer {

// The pages of a wizard in order, and which of them is current.
class IWizard {
public:
    virtual ~IWizard() = default;
    virtual std::unique_ptr<WizardPage> createCurrentPage(QWidget* parent,
                                                          IWizardPageGUIHost& host) = 0;
    virtual void back() = 0;
    virtual void next() = 0;
    // True while the current page is not the last.
    virtual bool hasNext() const = 0;
};

} // namespace Installer
