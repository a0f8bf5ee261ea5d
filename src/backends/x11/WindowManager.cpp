#include "backends/x11/WindowManager.h"

#include "backends/x11/X11Property.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>

namespace X11 {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

bool windowManagerRuns() {
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        return false;
    }
    // A window manager that has just ended may have left its check window's name behind.
    const auto previous = XSetErrorHandler(ignoreErrors);
    const Atom check = XInternAtom(display.get(), "_NET_SUPPORTING_WM_CHECK", False);
    const Window named =
        propertyWord(display.get(), DefaultRootWindow(display.get()), check, XA_WINDOW);
    const bool runs =
        named != None && propertyWord(display.get(), named, check, XA_WINDOW) == named;
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return runs;
}

} // namespace X11
