#pragma once

#include <string>
#include <vector>

namespace Installer {

// Starts the command, found on the search path when it names no folder, and waits for it; false
// when it could not be started. Its exit status tells nothing the uninstaller acts on.
bool runAndWait(const std::vector<std::string>& words);

} // namespace Installer
