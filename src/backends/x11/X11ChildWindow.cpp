#include "backends/x11/X11ChildWindow.h"

#include "display/DX5Error.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace X11 {

namespace {

// Xlib's own handler ends the process on any error. Ours keeps the last one: a parent that
// vanishes makes every later request for our window fail, which only means the preview is over.
int lastErrorCode = 0;
XErrorHandler previousErrorHandler = nullptr;

int recordError(Display*, XErrorEvent* error) {
    lastErrorCode = error->error_code;
    return 0;
}

// The value of an 8-bit channel placed in a mask of any width.
unsigned long channelBits(uint8_t value, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const unsigned long maximum = mask >> shift;
    return ((value * maximum + 127) / 255) << shift;
}

bool isPlainTrueColour(const XImage& image) {
    return image.bits_per_pixel == 32 && image.byte_order == LSBFirst &&
           image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 && image.blue_mask == 0xFF;
}

std::string displayName() {
    const char* name = std::getenv("DISPLAY");
    return name != nullptr ? name : "";
}

std::string hexWindow(unsigned long window) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

} // namespace

void X11ChildWindow::DisplayCloser::operator()(_XDisplay* display) const {
    XCloseDisplay(display);
}

X11ChildWindow::X11ChildWindow(unsigned long parentWindow)
    : display_(XOpenDisplay(nullptr)), parent_(parentWindow) {
    if (!display_) {
        throw DX5::NoDirectX5Error("the X display \"" + displayName() + "\" could not be opened");
    }
    previousErrorHandler = XSetErrorHandler(recordError);
    Display* display = display_.get();
    XWindowAttributes parent{};
    if (parentWindow == 0 || XGetWindowAttributes(display, parentWindow, &parent) == 0) {
        throw BasicError("The preview cannot be shown: there is no window " +
                         hexWindow(parentWindow) + " to show it in");
    }
    width_ = std::max(parent.width, 1);
    height_ = std::max(parent.height, 1);

    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None; // what lies below stays until the first picture
    attributes.event_mask = ExposureMask | StructureNotifyMask;
    lastErrorCode = 0;
    window_ = XCreateWindow(display, parentWindow, 0, 0, static_cast<unsigned>(width_),
                            static_cast<unsigned>(height_), 0, parent.depth, InputOutput,
                            parent.visual, CWBackPixmap | CWEventMask, &attributes);
    XSync(display, False);
    if (lastErrorCode != 0) {
        throw BasicError("The preview window could not be made inside window " +
                         hexWindow(parentWindow) + " (X error " + std::to_string(lastErrorCode) +
                         ")");
    }
    gc_ = XCreateGC(display, window_, 0, nullptr);
    createImage();
    // A settings dialog's preview area may be resized by the user.
    XSelectInput(display, parentWindow, StructureNotifyMask);
}

X11ChildWindow::~X11ChildWindow() {
    Display* display = display_.get();
    destroyImage();
    if (gc_ != nullptr) {
        XFreeGC(display, gc_);
    }
    if (!destroyed_) {
        XDestroyWindow(display, window_);
    }
    XSync(display, False);
    XSetErrorHandler(previousErrorHandler);
}

void X11ChildWindow::createImage() {
    Display* display = display_.get();
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window_, &attributes);
    image_ = XCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth),
                          ZPixmap, 0, nullptr, static_cast<unsigned>(width_),
                          static_cast<unsigned>(height_), 32, 0);
    if (image_ == nullptr) {
        throw BasicError("The preview's picture could not be made for window " +
                         hexWindow(window_));
    }
    imageBytes_.assign(static_cast<std::size_t>(image_->bytes_per_line) * height_, 0);
    image_->data = imageBytes_.data();
}

void X11ChildWindow::destroyImage() {
    if (image_ != nullptr) {
        image_->data = nullptr; // the bytes are ours
        XDestroyImage(image_);
        image_ = nullptr;
    }
}

void X11ChildWindow::followParentSize(int32_t width, int32_t height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    XResizeWindow(display_.get(), window_, static_cast<unsigned>(width_),
                  static_cast<unsigned>(height_));
    destroyImage();
    createImage();
}

void X11ChildWindow::show() {
    XMapWindow(display_.get(), window_);
    XFlush(display_.get());
}

void X11ChildWindow::convertArea(const PixelBufferDesc& picture, const Pixels::PixelRect& area) {
    const bool plain = isPlainTrueColour(*image_);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const uint8_t* source = picture.pixels + static_cast<std::ptrdiff_t>(y) * picture.pitch +
                                static_cast<std::ptrdiff_t>(area.left) * 3;
        if (plain) {
            auto* target = reinterpret_cast<uint8_t*>(image_->data) +
                           static_cast<std::ptrdiff_t>(y) * image_->bytes_per_line +
                           static_cast<std::ptrdiff_t>(area.left) * 4;
            for (int32_t x = area.left; x < area.right; ++x, source += 3, target += 4) {
                target[0] = source[0];
                target[1] = source[1];
                target[2] = source[2];
                target[3] = 0;
            }
            continue;
        }
        for (int32_t x = area.left; x < area.right; ++x, source += 3) {
            XPutPixel(image_, x, y,
                      channelBits(source[2], image_->red_mask) |
                          channelBits(source[1], image_->green_mask) |
                          channelBits(source[0], image_->blue_mask));
        }
    }
}

void X11ChildWindow::putArea(const Pixels::PixelRect& area) {
    XPutImage(display_.get(), window_, gc_, image_, area.left, area.top, area.left, area.top,
              static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()));
}

void X11ChildWindow::paint(const PixelBufferDesc& picture,
                           std::span<const Pixels::PixelRect> areas) {
    if (destroyed_) {
        return;
    }
    for (const Pixels::PixelRect& area : areas) {
        const Pixels::PixelRect clipped{std::max(area.left, 0), std::max(area.top, 0),
                                        std::min(area.right, width_),
                                        std::min(area.bottom, height_)};
        if (!clipped.isEmpty()) {
            convertArea(picture, clipped);
            putArea(clipped);
        }
    }
    XSync(display_.get(), False);
}

void X11ChildWindow::paintWhole(const PixelBufferDesc& picture) {
    const Pixels::PixelRect whole{0, 0, width_, height_};
    paint(picture, std::span<const Pixels::PixelRect>(&whole, 1));
}

X11ChildWindow::Event X11ChildWindow::nextEvent() {
    Display* display = display_.get();
    while (!destroyed_ && XPending(display) > 0) {
        XEvent event{};
        XNextEvent(display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == window_) {
            destroyed_ = true;
            return Event::Destroyed;
        }
        if (event.type == Expose && event.xexpose.count == 0) {
            return Event::Exposed;
        }
        const bool parentResized =
            event.type == ConfigureNotify && event.xconfigure.window == parent_ &&
            (event.xconfigure.width != width_ || event.xconfigure.height != height_);
        if (parentResized) {
            followParentSize(event.xconfigure.width, event.xconfigure.height);
            return Event::Resized;
        }
    }
    return Event::Nothing;
}

void X11ChildWindow::waitForEvents(uint32_t milliseconds) {
    Display* display = display_.get();
    XFlush(display);
    if (XPending(display) > 0) {
        return;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(milliseconds));
}

} // namespace X11
