#pragma once

#include "installer/dialogs/ProgressPage.h"
#include "installer/dialogs/Wizard.h"

#include <memory>

namespace Installer {

// The uninstaller's wizard: one page, the progress of the script's run inside the interior page
// layout.
std::unique_ptr<Wizard> makeUninstallerWizard(const ProgressPage::Setup& setup);

} // namespace Installer
