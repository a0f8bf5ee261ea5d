#include "errors/OsVersion.h"

#include <cstdio>
#include <windows.h>

namespace {

OSVERSIONINFOEXA runningVersion() {
    OSVERSIONINFOEXA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version));
    return version;
}

} // namespace

std::string osVersionText() {
    const OSVERSIONINFOEXA version = runningVersion();
    char text[256];
    const char* servicePack = version.szCSDVersion;
    if (version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) {
        std::snprintf(text, sizeof text, "%d.%d (%d) %s %s",
                      static_cast<int>(version.dwMajorVersion),
                      static_cast<int>(version.dwMinorVersion),
                      static_cast<int>(version.dwBuildNumber), "NT", servicePack);
    } else if (version.dwMinorVersion != 0) {
        std::snprintf(text, sizeof text, "%d.%d (%d) %s %s",
                      static_cast<int>(version.dwMajorVersion),
                      static_cast<int>(version.dwMinorVersion),
                      static_cast<int>(version.dwBuildNumber & 0xFFFF), "W98", servicePack);
    } else {
        std::snprintf(text, sizeof text, "%d.%d (%d) %s %s",
                      static_cast<int>(version.dwBuildNumber >> 24 & 0xFF),
                      static_cast<int>(version.dwBuildNumber >> 16 & 0xFF),
                      static_cast<int>(version.dwBuildNumber & 0xFFFF), "W95", servicePack);
    }
    return text;
}
