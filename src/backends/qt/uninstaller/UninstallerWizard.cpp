#include "backends/qt/uninstaller/UninstallerWizard.h"

#include "backends/qt/uninstaller/InteriorPageLayout.h"

namespace Installer {

std::unique_ptr<Wizard> makeUninstallerWizard(const ProgressPage::Setup& setup) {
    auto wizard = std::make_unique<Wizard>();
    wizard->addPage([setup](QWidget* parent, IWizardPageGUIHost& host) {
        return std::make_unique<InteriorPageLayout>(parent,
                                                    std::make_unique<ProgressPage>(host, setup));
    });
    return wizard;
}

} // namespace Installer
