#pragma once

#include "installer/DefaultUninstallerScript.h"

#include <string>

namespace Installer {

// Writes the script's stream to path, creating the folders above it; the file is replaced
// whole, so a failed write leaves any earlier script as it was. A SetupError when it fails.
void writeScriptFile(const std::string& path, const DefaultUninstallerScript& script);

} // namespace Installer
