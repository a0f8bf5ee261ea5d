#include "backends/x11/HostWindow.h"

#include "backends/x11/DesktopCapture.h"
#include "backends/x11/X11Property.h"
#include "display/DX5Error.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace X11 {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// Xlib's own handler ends the process; a window or pixmap that is gone is an answer here.
class IgnoredXErrors {
public:
    IgnoredXErrors() : previous_(XSetErrorHandler(ignore)) {}
    ~IgnoredXErrors() { XSetErrorHandler(previous_); }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

private:
    static int ignore(Display*, XErrorEvent*) { return 0; }
    XErrorHandler previous_;
};

DisplayConnection openDisplay() {
    DisplayConnection display(XOpenDisplay(nullptr));
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        throw DX5::NoDirectX5Error(std::string("the X display \"") + (name ? name : "") +
                                   "\" could not be opened");
    }
    return display;
}

bool windowExists(Display* display, Window window) {
    const IgnoredXErrors ignored;
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0;
}

std::string hexWindow(unsigned long window) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

Pixels::PixelRect areaOnScreen(Display* display, Window window,
                               const XWindowAttributes& attributes) {
    int x = 0;
    int y = 0;
    Window child = None;
    XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child);
    return Pixels::PixelRect::ofSize(x, y, std::max(attributes.width, 1),
                                     std::max(attributes.height, 1));
}

// The size of a drawable, or nothing when it is gone.
std::optional<Pixels::PixelRect> extentOf(Display* display, Drawable drawable) {
    Window root = None;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (XGetGeometry(display, drawable, &root, &x, &y, &width, &height, &border, &depth) == 0) {
        return std::nullopt;
    }
    return Pixels::PixelRect{0, 0, static_cast<int>(width), static_cast<int>(height)};
}

// A pixmap has no visual of its own, so its picture arrives without channel masks: they are
// the window's.
void giveMasksOf(const Visual& visual, XImage& image) {
    if (image.red_mask == 0 && image.green_mask == 0 && image.blue_mask == 0) {
        image.red_mask = visual.red_mask;
        image.green_mask = visual.green_mask;
        image.blue_mask = visual.blue_mask;
    }
}

// The part of source that lies under the window, in a window-sized picture; black where the
// source does not reach. Nothing when the source is gone or does not reach under the window.
std::optional<Graphics::Bitmap> pictureUnderWindow(Display* display, Drawable source,
                                                   const Visual& visual,
                                                   const Pixels::PixelRect& window) {
    const std::optional<Pixels::PixelRect> extent = extentOf(display, source);
    if (!extent) {
        return std::nullopt;
    }
    const int left = std::max(window.left, 0);
    const int top = std::max(window.top, 0);
    const int right = std::min(window.right, extent->right);
    const int bottom = std::min(window.bottom, extent->bottom);
    if (right <= left || bottom <= top) {
        return std::nullopt;
    }
    std::unique_ptr<XImage, ImageDestroyer> image(
        XGetImage(display, source, left, top, static_cast<unsigned>(right - left),
                  static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap));
    if (!image) {
        return std::nullopt;
    }
    giveMasksOf(visual, *image);
    const Graphics::Bitmap part = bitmapFromXImage(*image);
    Graphics::Bitmap picture(window.width(), window.height());
    for (int y = 0; y < part.height(); ++y) {
        std::copy_n(part.row(y), part.width() * 3,
                    picture.row(top - window.top + y) + (left - window.left) * 3);
    }
    return picture;
}

std::atomic<bool> hostWindowLost{false};
XErrorHandler handlerBeforeWatch = nullptr;

int noteLostWindow(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        hostWindowLost.store(true);
        return 0;
    }
    return handlerBeforeWatch != nullptr ? handlerBeforeWatch(display, error) : 0;
}

} // namespace

namespace HostWindow {

LossWatch::LossWatch() {
    hostWindowLost.store(false);
    handlerBeforeWatch = XSetErrorHandler(noteLostWindow);
}

LossWatch::~LossWatch() {
    XSetErrorHandler(handlerBeforeWatch);
}

bool LossWatch::windowLost() {
    return hostWindowLost.load();
}

unsigned long checked(unsigned long window) {
    const DisplayConnection display = openDisplay();
    if (window == 0) {
        return DefaultRootWindow(display.get());
    }
    if (!windowExists(display.get(), window)) {
        throw BasicError("There is no window " + hexWindow(window) + " to draw the rain in");
    }
    return window;
}

std::optional<Pixels::PixelRect> screenAreaOf(unsigned long window) {
    const DisplayConnection display(XOpenDisplay(nullptr));
    if (!display || window == 0) {
        return std::nullopt;
    }
    const IgnoredXErrors ignored;
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display.get(), window, &attributes) == 0) {
        return std::nullopt;
    }
    return areaOnScreen(display.get(), window, attributes);
}

std::optional<Graphics::Bitmap> desktopUnder(unsigned long window) {
    DisplayConnection display(XOpenDisplay(nullptr));
    if (!display) {
        return std::nullopt;
    }
    const IgnoredXErrors ignored;
    Display* connection = display.get();
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(connection, window, &attributes) == 0) {
        return std::nullopt;
    }
    const Window root = attributes.root;
    const Pixels::PixelRect area = areaOnScreen(connection, window, attributes);

    const auto pixmapNamedBy = [&](const PictureProperty& property) {
        return propertyWord(connection, property.onRootWindow ? root : window,
                            XInternAtom(connection, property.name, False), XA_PIXMAP);
    };
    const auto pictureOf = [&](unsigned long pixmap) {
        return pictureUnderWindow(connection, pixmap, *attributes.visual, area);
    };
    return firstDesktopPicture(pixmapNamedBy, pictureOf);
}

std::optional<Graphics::Bitmap> firstDesktopPicture(
    const std::function<unsigned long(const PictureProperty&)>& pixmapNamedBy,
    const std::function<std::optional<Graphics::Bitmap>(unsigned long)>& pictureOf) {
    for (const PictureProperty& property : desktopPictureProperties) {
        const unsigned long pixmap = pixmapNamedBy(property);
        if (pixmap == None) {
            continue;
        }
        if (std::optional<Graphics::Bitmap> picture = pictureOf(pixmap)) {
            return picture;
        }
    }
    return std::nullopt;
}

} // namespace HostWindow

} // namespace X11
