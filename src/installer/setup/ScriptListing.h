#pragma once

#include "installer/DefaultUninstallerScript.h"

#include <string>

namespace Installer {

// The script's actions, one a line, their fields separated by tabs: "file PATH", "folder PATH",
// "value ROOT KEY NAME", "key ROOT KEY", "server PATH EXECUTABLE", the root as the handle's
// hexadecimal value. What `pluvo-setup list` shows before an uninstall and the checks compare.
std::string listScript(const DefaultUninstallerScript& script);

} // namespace Installer
