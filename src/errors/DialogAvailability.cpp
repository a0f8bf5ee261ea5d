#include "errors/DialogAvailability.h"

#include <X11/Xlib.h>
#include <cstdlib>
#include <sys/syscall.h>
#include <unistd.h>

namespace ErrorDialogs {

namespace {

bool onMainThread() {
    return syscall(SYS_gettid) == getpid();
}

// Qt ends the process when the display it is told to use cannot be opened, so it is asked first.
bool xDisplayReachable() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

} // namespace

bool canShow() {
    if (!onMainThread()) {
        return false;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (platform != nullptr && *platform != '\0') || xDisplayReachable();
}

} // namespace ErrorDialogs
