#include "installer/FileRemoval.h"

#include "backends/win32/WideText.h"

#include <windows.h>

namespace Installer {

void removeFile(const std::string& path) {
    DeleteFileW(Win32::wide(path).c_str());
}

void removeEmptyFolder(const std::string& path) {
    RemoveDirectoryW(Win32::wide(path).c_str());
}

} // namespace Installer
