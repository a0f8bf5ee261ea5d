// Tells whether a program left the display to the user: prints "keyboard free" when another
// client can grab the keyboard (else "keyboard grabbed") and "cursor visible" when the pointer
// shows a cursor with at least one visible pixel (else "cursor hidden").
//
// Usage: display-probe
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

namespace {

bool keyboardIsFree(Display* display) {
    const int result = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    if (result != GrabSuccess) {
        return false;
    }
    XUngrabKeyboard(display, CurrentTime);
    XSync(display, False);
    return true;
}

bool cursorIsVisible(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        return true; // nothing can be said; no saver of ours hides it without this extension
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) {
        return false;
    }
    bool visible = false;
    for (unsigned long i = 0; i < static_cast<unsigned long>(image->width) * image->height; ++i) {
        visible = visible || (image->pixels[i] >> 24) != 0;
    }
    XFree(image);
    return visible;
}

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "display-probe: cannot open the X display\n");
        return 1;
    }
    std::printf("keyboard %s\n", keyboardIsFree(display) ? "free" : "grabbed");
    std::printf("cursor %s\n", cursorIsVisible(display) ? "visible" : "hidden");
    XCloseDisplay(display);
    return 0;
}
