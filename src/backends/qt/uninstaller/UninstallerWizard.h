#pragma once

#include "backends/qt/uninstaller/ProgressPage.h"
#include "backends/qt/uninstaller/Wizard.h"

#include <memory>

namespace Installer {

// The uninstaller's wizard: one page, the progress of the script's run inside the interior page
// layout.
std::unique_ptr<Wizard> makeUninstallerWizard(const ProgressPage::Setup& setup);

} // namespace Installer
