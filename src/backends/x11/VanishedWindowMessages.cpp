#include "backends/x11/VanishedWindowMessages.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace X11 {

namespace {

XErrorHandler handlerBefore = nullptr;

int dropMessagesToVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) {
        return 0;
    }
    return handlerBefore != nullptr ? handlerBefore(display, error) : 0;
}

} // namespace

void tolerateMessagesToVanishedWindows() {
    if (handlerBefore == nullptr) {
        handlerBefore = XSetErrorHandler(dropMessagesToVanishedWindows);
    }
}

} // namespace X11
