#pragma once

#include <string>

namespace Installer {

// What cannot be removed stays: the uninstaller goes on with the rest of its script either way.
void removeFile(const std::string& path);

// Removes the folder only when it is empty; a folder that still holds files is left alone.
void removeEmptyFolder(const std::string& path);

} // namespace Installer
