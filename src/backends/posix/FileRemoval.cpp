#include "installer/FileRemoval.h"

#include <unistd.h>

namespace Installer {

void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}

void removeEmptyFolder(const std::string& path) {
    // rmdir removes nothing but an empty folder.
    ::rmdir(path.c_str());
}

} // namespace Installer
