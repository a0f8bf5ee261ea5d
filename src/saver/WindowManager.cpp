#include "saver/WindowManager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// The window a window's property names, or None; a window that has gone reads as None.
Window windowNamedBy(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Window named = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format,
                           &count, &remaining, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1) {
        named = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return named;
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
    const Window named = windowNamedBy(display.get(), DefaultRootWindow(display.get()), check);
    const bool runs = named != None && windowNamedBy(display.get(), named, check) == named;
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return runs;
}
