#include "installer/Uninstaller.h"

#include <unistd.h>

#ifndef PLUVO_INSTALL_PREFIX
#define PLUVO_INSTALL_PREFIX "/usr/local"
#endif

namespace Installer {

bool hasAdministratorRights() {
    return ::geteuid() == 0 || ::access(PLUVO_INSTALL_PREFIX, W_OK) == 0;
}

} // namespace Installer
