#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Installer {

// The paths of a list file, one a line, empty lines skipped. A file that cannot be read, or a
// path that is not absolute (it would mean another file wherever the uninstaller runs), is a
// SetupError naming the file.
std::vector<std::string> readPathList(const std::filesystem::path& file);

} // namespace Installer
