// Makes a plain top-level X window that belongs to another program than the saver, the way a
// settings dialog's preview area does, and prints its id. The window lives until this program
// gets SIGTERM or SIGINT; the server destroys it when the connection closes.
//
// Usage: foreign-window WIDTH HEIGHT X Y
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT X Y\n", argv[0]);
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
