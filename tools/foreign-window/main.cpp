// Makes a plain top-level X window that belongs to another program than the saver, the way a
// settings dialog's preview area does, and prints its id. The window lives until this program
// gets SIGTERM or SIGINT; the server destroys it when the connection closes.
//
// With "screenshot" after the position it also does what a saver daemon does for its programs:
// it keeps a picture of the whole screen, taken before the window appeared, as a pixmap named in
// the window's _SCREENSAVER_SCREENSHOT property.
//
// Usage: foreign-window WIDTH HEIGHT X Y [screenshot]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

Pixmap screenshotOfRoot(Display* display, int screen) {
    const Window root = RootWindow(display, screen);
    const auto width = static_cast<unsigned>(DisplayWidth(display, screen));
    const auto height = static_cast<unsigned>(DisplayHeight(display, screen));
    const Pixmap pixmap = XCreatePixmap(display, root, width, height,
                                        static_cast<unsigned>(DefaultDepth(display, screen)));
    XGCValues values{};
    values.subwindow_mode = IncludeInferiors;
    const GC gc = XCreateGC(display, pixmap, GCSubwindowMode, &values);
    XCopyArea(display, root, pixmap, gc, 0, 0, width, height, 0, 0);
    XFreeGC(display, gc);
    return pixmap;
}

} // namespace

int main(int argc, char** argv) {
    const bool withScreenshot = argc == 6 && std::strcmp(argv[5], "screenshot") == 0;
    if (argc != 5 && !withScreenshot) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT X Y [screenshot]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "foreign-window: cannot open the X display\n");
        return 1;
    }
    const auto width = static_cast<unsigned>(std::atoi(argv[1]));
    const auto height = static_cast<unsigned>(std::atoi(argv[2]));
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), std::atoi(argv[3]), std::atoi(argv[4]), width, height,
        0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "foreign-window");
    if (withScreenshot) {
        const Pixmap screenshot = screenshotOfRoot(display, screen);
        const Atom property = XInternAtom(display, "_SCREENSAVER_SCREENSHOT", False);
        XChangeProperty(display, window, property, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&screenshot), 1);
    }
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("%lu\n", window);
    std::fflush(stdout);

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (stopRequested == 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        poll(&connection, 1, 100);
    }
    XCloseDisplay(display);
    return 0;
}
